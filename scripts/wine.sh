#!/usr/bin/env bash
# The Windows program under Wine, in a prefix and on an X server of their own: for the Windows
# tests (a ctest fixture makes them for each run), the screenshot, or trying it by hand.
#   scripts/wine.sh STATE setup               a new prefix in the folder STATE, Xvfb, wineserver
#   scripts/wine.sh STATE COMMAND [ARGS...]   COMMAND with them: wine build-windows/imc.exe
#   scripts/wine.sh STATE cleanup             ends them and removes STATE
# Everything Wine writes stays in STATE (a folder of the build tree, for the tests): the prefix,
# and HOME and the XDG folders pointed there, so that the user's own cannot be touched. Wine's
# menu builder, which would put the installed program's icons and menu entries into a desktop,
# is off.
set -euo pipefail
state=$(realpath -m "$1") action=$2
shift 2
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME=$state/home XDG_CONFIG_HOME=$state/home/.config XDG_CACHE_HOME=$state/home/.cache \
    XDG_DATA_HOME=$state/home/.local/share
[ -s "$state/display" ] && export DISPLAY=:$(<"$state/display")
# Wine's server: on the path up to Wine 9 in Debian; from Wine 10 in unstable only in Wine's own
# folder.
wineserver=$(command -v wineserver || true)
for candidate in /usr/lib/x86_64-linux-gnu/wine/wineserver /usr/lib/wine/wineserver64; do
    [ -n "$wineserver" ] || [ ! -x "$candidate" ] || wineserver=$candidate
done
[ -n "$wineserver" ] || { echo "wineserver not found: is Wine installed?" >&2; exit 1; }

stop() {
    [ -d "$WINEPREFIX" ] && "$wineserver" --kill >/dev/null 2>&1 || true
    [ -s "$state/xvfb.pid" ] && kill "$(<"$state/xvfb.pid")" 2>/dev/null || true
}

case $action in
setup)
    stop
    rm -rf "$state"
    mkdir -p "$state" "$HOME"
    source "$(dirname "$0")/xvfb.sh"
    start_xvfb -screen 0 1280x1024x24 -dpi 96 || exit 1
    echo "$XVFB_PID" >"$state/xvfb.pid"
    echo "${DISPLAY#:}" >"$state/display"
    # Every process that outlives this script writes to /dev/null, not to ctest's pipe.
    mkdir -p "$WINEPREFIX"
    "$wineserver" --persistent >/dev/null 2>&1
    wineboot --init >/dev/null 2>&1
    # "MS Sans Serif" as Wine's own raster font. Wine is given the Linux window's stand-ins
    # (window/stand_ins.h), so that both front ends are tried with one look: each font's, which
    # it takes only for a family it lacks (Verdana), and the desktop colour's. Top-level windows
    # unmanaged: with no window manager Wine would wait for one on every close.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    stand_ins=$(dirname "$0")/../window/stand_ins.h
    fonts=$(sed -n 's/^ *{ *\("[^"]*"\), *\("[^"]*"\) *},$/\1=\2/p' "$stand_ins")
    desktop=$(sed -n 's/.*desktopStandIn { *\([0-9]*\), *\([0-9]*\), *\([0-9]*\) *}.*/\1 \2 \3/p' \
        "$stand_ins")
    [ -n "$fonts" ] && [ -n "$desktop" ] || { echo "no stand-ins read from $stand_ins" >&2; exit 1; }
    printf '%s\n' REGEDIT4 '' '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' "$fonts" '' \
        '[HKEY_CURRENT_USER\Control Panel\Colors]' "\"Background\"=\"$desktop\"" >"$state/settings.reg"
    wine regedit /S "$state/settings.reg" >/dev/null 2>&1
    # The settings are read when Wine's processes start: start them again.
    wineboot --restart >/dev/null 2>&1
    echo "wine prefix ready on display $DISPLAY"
    ;;
cleanup)
    stop
    rm -rf "$state"
    ;;
*)
    # At the screen density IMC_DPI asks for, as Windows' scaling setting gives it (96 after).
    dpi() {
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' \
            "$1" >"$state/dpi.reg"
        wine regedit /S "$state/dpi.reg" >/dev/null 2>&1
        wineboot --restart >/dev/null 2>&1
    }
    [ -z "${IMC_DPI:-}" ] || dpi "$IMC_DPI"
    # Through a file, so that a Wine process that outlives the command holds no pipe of ctest.
    output=$(mktemp)
    status=0
    "$action" "$@" >"$output" 2>&1 || status=$?
    [ -z "${IMC_DPI:-}" ] || dpi 96
    cat "$output"
    rm -f "$output"
    exit $status
    ;;
esac
