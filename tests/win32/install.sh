#!/usr/bin/env bash
# The installer, silently as an administrator would run it: imc.exe under Program Files and
# its Start-menu shortcut; the installed program starts and ends; the uninstaller removes all.
#   install.sh MSI WINDOW-TEST   (under wine.sh, in its prefix)
set -euo pipefail
msi=$(winepath --windows "$1") window_test=$2
folder="$WINEPREFIX/drive_c/Program Files/Indice di Massa Corporea"
shortcuts() { find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/*' -name '*.lnk' -printf '%f\n'; }

wine msiexec /i "$msi" /qn
[ "$(cd "$folder" && ls)" = imc.exe ] || { echo "installed: $(ls "$folder")" >&2; exit 1; }
[ "$(shortcuts)" = "Indice di Massa Corporea.lnk" ] || { echo "shortcuts: $(shortcuts)" >&2; exit 1; }
wine "$window_test" 'C:\Program Files\Indice di Massa Corporea\imc.exe' \
    --gtest_filter='Imc.UscitaAndTheCloseBoxEndWithStatusZero' --gtest_brief=1

wine msiexec /x "$msi" /qn
[ ! -e "$folder" ] || { echo "left behind: $folder" >&2; exit 1; }
[ -z "$(shortcuts)" ] || { echo "left behind: $(shortcuts)" >&2; exit 1; }
echo "installed, started and uninstalled"
