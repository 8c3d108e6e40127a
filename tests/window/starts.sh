#!/usr/bin/env bash
# Starts the program as run.sh does and checks that it keeps running with the expected
# platform plugin (wayland: libqwayland-*, xcb: libqxcb) loaded.
set -u
program=$1 platform=$2
log=$(mktemp)
"$program" >"$log" 2>&1 &
pid=$!
sleep 3
if ! kill -0 $pid 2>/dev/null; then
    echo "the program ended early:" >&2; cat "$log" >&2; exit 1
fi
plugins=$(grep -o 'libq[a-z-]*\.so' /proc/$pid/maps | sort -u | tr '\n' ' ')
kill $pid; wait $pid 2>/dev/null
case $platform in
    wayland) pattern=libqwayland ;;
    *) pattern=libq$platform ;;
esac
grep -q "$pattern" <<<"$plugins" || { echo "no $pattern among: $plugins" >&2; cat "$log" >&2; exit 1; }
echo "started on $platform"
