#!/usr/bin/env bash
# The installer, silently as an administrator would run it: imc.exe under Program Files, its
# Start-menu shortcut and one entry in Apps & features; the installed program starts and ends.
# Installing it again repairs it; a later version replaces it and an earlier one is then
# refused; the uninstaller removes everything.
#   install.sh MSI VERSION LATER-MSI LATER-VERSION LATER-EXE WINDOW-TEST   (under wine.sh)
set -euo pipefail
msi=$(winepath --windows "$1") version=$2.0 later_msi=$(winepath --windows "$3") later_version=$4.0
later_exe=$5 window_test=$6
folder="$WINEPREFIX/drive_c/Program Files/Indice di Massa Corporea"
# Each Uninstall entry of the program as "version, publisher"; the folder; the shortcuts.
state() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
        awk '/^HKEY/ { ours = 0 } $1 == "DisplayName" && / Indice di Massa Corporea$/ { ours = 1 }
             ours && $1 == "DisplayVersion" { printf "%s, ", $3 }
             ours && $1 == "Publisher" { print substr($0, index($0, "REG_SZ") + 10) }'
    ls "$folder" 2>/dev/null || true
    find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/*' -name '*.lnk' -printf '%f\n'
}
expect() { # after what, the state expected
    [ "$(state)" = "$2" ] || { printf 'after %s:\n%s\n' "$1" "$(state)" >&2; exit 1; }
}
# The installed program, started from its own path and ended by Uscita and by the close box.
start_installed() {
    wine "$window_test" 'C:\Program Files\Indice di Massa Corporea\imc.exe' \
        --gtest_filter=Tellun.End --gtest_brief=1
}
installed() { printf '%s, The imc developers\nimc.exe\nIndice di Massa Corporea.lnk' "$1"; }

wine msiexec /i "$msi" /qn
expect "installing" "$(installed "$version")"
start_installed
wine msiexec /i "$msi" /qn
expect "installing again" "$(installed "$version")"

wine msiexec /i "$later_msi" /qn
expect "the upgrade" "$(installed "$later_version")"
cmp "$later_exe" "$folder/imc.exe"
start_installed
! wine msiexec /i "$msi" /qn || { echo "the earlier version went in" >&2; exit 1; }
expect "the refused downgrade" "$(installed "$later_version")"

wine msiexec /x "$later_msi" /qn
expect "uninstalling" ""
echo "installed, repaired, upgraded, downgrade refused, uninstalled"
