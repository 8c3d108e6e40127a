#!/usr/bin/env bash
# The installer, silently as an administrator would run it: imc.exe under Program Files and
# its Start-menu shortcut, one entry in Apps & features; the installed program starts and ends.
# Installing it again repairs it; a later version replaces it and an earlier one is then
# refused; the uninstaller removes everything.
#   install.sh MSI LATER-MSI LATER-EXE WINDOW-TEST   (under wine.sh, in its prefix)
set -euo pipefail
msi=$(winepath --windows "$1") later_msi=$(winepath --windows "$2") later_exe=$3 window_test=$4
folder="$WINEPREFIX/drive_c/Program Files/Indice di Massa Corporea"
installed='C:\Program Files\Indice di Massa Corporea\imc.exe'
shortcuts() { find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/*' -name '*.lnk' -printf '%f\n'; }
# "version, publisher" of each Uninstall entry of the program.
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '
            function done() { if (ours) print version ", " publisher; ours = 0 }
            /^HKEY/ { done() }
            $1 == "DisplayName" && / Indice di Massa Corporea$/ { ours = 1 }
            $1 == "DisplayVersion" { version = $3 }
            $1 == "Publisher" { publisher = substr($0, index($0, "REG_SZ") + 10) }
            END { done() }'
}
expect() { # what, expected, found
    [ "$2" = "$3" ] || { printf '%s: expected "%s", found "%s"\n' "$1" "$2" "$3" >&2; exit 1; }
}
# The installed program, from its own path: ended by Uscita and by the close box.
start_installed() { wine "$window_test" "$installed" --gtest_filter=Imc.End --gtest_brief=1; }

wine msiexec /i "$msi" /qn
expect "installed" imc.exe "$(cd "$folder" && ls)"
expect "shortcuts" "Indice di Massa Corporea.lnk" "$(shortcuts)"
expect "entries" "1.2.0, The imc developers" "$(entries)"
start_installed

wine msiexec /i "$msi" /qn
expect "entries after installing again" "1.2.0, The imc developers" "$(entries)"

wine msiexec /i "$later_msi" /qn
expect "entries after the upgrade" "1.3.0, The imc developers" "$(entries)"
cmp "$later_exe" "$folder/imc.exe"
expect "shortcuts after the upgrade" "Indice di Massa Corporea.lnk" "$(shortcuts)"
start_installed

if wine msiexec /i "$msi" /qn; then
    echo "the earlier version installed over the later one" >&2
    exit 1
fi
expect "entries after the refused downgrade" "1.3.0, The imc developers" "$(entries)"
cmp "$later_exe" "$folder/imc.exe"

wine msiexec /x "$later_msi" /qn
[ ! -e "$folder" ] || { echo "left behind: $folder" >&2; exit 1; }
expect "shortcuts left behind" "" "$(shortcuts)"
expect "entries left behind" "" "$(entries)"
echo "installed, repaired, upgraded, downgrade refused, uninstalled"
