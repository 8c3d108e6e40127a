#!/usr/bin/env bash
# The program itself, started as run.sh starts it, where it is to run:
#   program.sh IMC x11         on the X display given: its window mapped, titled, with its icon
#   program.sh IMC wayland     with only WAYLAND_DISPLAY: running on Qt's Wayland plugin
#   program.sh IMC offscreen   on an explicit QT_QPA_PLATFORM, with no display: running
#   program.sh IMC nodisplay   with no display at all: status 2 and a message saying what to do
#   program.sh IMC baddisplay  with a display that cannot be opened: the same
set -u
program=$1 where=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT
fail() { echo "$where: $*" >&2; cat "$log" >&2; exit 1; }

if [ "$where" = nodisplay ] || [ "$where" = baddisplay ]; then
    display=()
    [ "$where" = baddisplay ] && display=(DISPLAY=:4242)
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${display[@]}" "$program" >"$log" 2>&1
    status=$?
    [ $status -eq 2 ] || fail "status $status, not 2"
    grep -q 'xvfb-run -a ./run.sh' "$log" || fail "no word of xvfb-run"
    exit 0
fi

[ "$where" = offscreen ] && export QT_QPA_PLATFORM=offscreen && unset DISPLAY WAYLAND_DISPLAY
"$program" >"$log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 50); do
    case $where in
        x11) xprop -name "Indice di Massa Corporea" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (64 x 64)' && break ;;
        wayland) grep -q libqwayland "/proc/$pid/maps" 2>/dev/null && break ;;
        offscreen) grep -q libqoffscreen "/proc/$pid/maps" 2>/dev/null && break ;;
    esac
    sleep 0.1
done
kill -0 $pid 2>/dev/null || fail "the program ended"
case $where in
    x11) xwininfo -name "Indice di Massa Corporea" | grep -q IsViewable || fail "no window shown" ;;
    wayland) grep -q libqwayland "/proc/$pid/maps" || fail "not on Wayland" ;;
    offscreen) grep -q libqoffscreen "/proc/$pid/maps" || fail "not offscreen" ;;
esac
echo "running on $where"
