#!/usr/bin/env bash
# program.sh IMC x11|wayland|offscreen|platform|nodisplay|baddisplay: the program started as
# run.sh does, where it is to run (under ctest's description of each case in tests/window/).
set -u
program=$1 where=$2 args=()
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "$where: $*" >&2; cat "$work"/*.log >&2; exit 1; }
wait_for() { for _ in $(seq 100); do eval "$1" 2>/dev/null && return; sleep 0.1; done; eval "$1"; }
unset QT_QPA_PLATFORM
hint='Run it in a desktop session, or without one on a virtual display: xvfb-run -a imc'
declare -A message=([nodisplay]='imc: no display (neither DISPLAY nor WAYLAND_DISPLAY is set).'
    [baddisplay]='imc: cannot open the display (DISPLAY=:4242, WAYLAND_DISPLAY=).')

case $where in
nodisplay | baddisplay)
    [ "$where" = baddisplay ] && export DISPLAY=:4242 || unset DISPLAY
    env -u WAYLAND_DISPLAY "$program" -style Fusion >"$work/imc.log" 2>&1; status=$?
    [ $status -eq 2 ] || fail "status $status, not 2"
    [ "$(tail -n 2 "$work/imc.log")" = "${message[$where]}"$'\n'"$hint" ] || fail "not said"
    [ $where = nodisplay ] || grep -q 'connect to display :4242' "$work/imc.log" || fail "no reason"
    exit 0 ;;
x11) # on an Xvfb of its own: mapped; the class the desktop entry names, so that docks tie the
    # window to it; the icon up to 256 pixels; Motif's hints (functions, decorations) ask for a
    # minimize button and no maximize one
    source "$(dirname "$0")/../../../scripts/xvfb.sh"
    start_xvfb -screen 0 1024x768x24 || fail "Xvfb did not start"
    class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../../data/org.example.Imc.desktop")
    props() { xprop -len 1000000 -name "Indice di Massa Corporea" "$@"; }
    ready() { xwininfo -name "Indice di Massa Corporea" | grep -q IsViewable &&
    props WM_CLASS | grep -q ", \"$class\"$" &&
    props _NET_WM_ICON | grep -q 'Icon (256 x 256)' &&
    (($(props _MOTIF_WM_HINTS | awk -F'[=,]' '{ print "(" $3 " & 0x18) == 8 && (" $4 " & 0x60) == 0x20" }'))) &&
    ! grep -q imageformats "/proc/$pid/maps"; } ;; # the icon read with no image plugin loaded
wayland)
    unset DISPLAY
    export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=weston
    chmod 700 "$work"
    weston --backend=headless-backend.so --socket=weston --idle-time=0 --no-config \
        >"$work/weston.log" 2>&1 &
    wait_for '[ -S "$work/weston" ]'
    ready() { grep -q libqwayland "/proc/$pid/maps"; } ;;
offscreen | platform) # named by QT_QPA_PLATFORM, or by Qt's option -platform (as --platform)
    unset DISPLAY WAYLAND_DISPLAY
    [ $where = offscreen ] && export QT_QPA_PLATFORM=offscreen || args=(--platform offscreen)
    ready() { grep -q libqoffscreen "/proc/$pid/maps"; } ;;
esac
"$program" "${args[@]}" >"$work/imc.log" 2>&1 &
pid=$!
wait_for ready || fail "not running as it should$(kill -0 $pid 2>/dev/null || echo ': it ended')"
[ $where = x11 ] || exit 0
# Its message boxes bear the icon too: Calcola (the second stop after the opening one) pressed
# with the boxes empty shows one.
xdotool search --name '^Indice di Massa Corporea$' windowfocus --sync key Tab Tab space
wait_for "xprop -name 'Attenzione !!!' _NET_WM_ICON | grep -q Icon" || fail "a box without icon"
