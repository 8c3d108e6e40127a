#!/usr/bin/env bash
# Runs a command under a headless Weston compositor of its own, with only WAYLAND_DISPLAY set.
set -euo pipefail
runtime_dir=$(mktemp -d)
chmod 700 "$runtime_dir"
export XDG_RUNTIME_DIR=$runtime_dir
socket=imc-test-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
    >"$runtime_dir/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; wait $weston_pid 2>/dev/null; rm -rf "$runtime_dir"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime_dir/$socket" ] && break
    sleep 0.1
done
[ -S "$runtime_dir/$socket" ] || { cat "$runtime_dir/weston.log" >&2; exit 1; }
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY="$socket" "$@"
