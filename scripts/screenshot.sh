#!/usr/bin/env bash
# Rebuilds and retakes the pictures of the window that the README shows, each as a real X
# server (Xvfb) shows the program: docs/imc.png the Linux one, docs/imc-windows.png the
# Windows one under Wine, frame included. Rerun it whenever the window changes, and commit the
# pictures. Needs xwininfo (x11-utils) and import (imagemagick).
set -euo pipefail
source "$(dirname "$0")/setup.sh" run
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
wine=("$top/scripts/wine.sh" "$(mktemp -d)")
trap '"${wine[@]}" cleanup' EXIT
"${wine[@]}" setup >/dev/null

# Starts the program, waits for its window to be drawn, and writes what the screen shows of it:
# its client area alone, or with the frame around it.
shoot() { # picture client|frame command...
    "${wine[@]}" bash -c '
        picture=$1 part=$2
        shift 2
        "$@" >/dev/null 2>&1 &
        for _ in $(seq 100); do
            info=$(xwininfo -name "Indice di Massa Corporea" 2>/dev/null) && break
            sleep 0.1
        done
        sleep 1
        value() { awk -v key="$1" -F: "index(\$0, key) { gsub(/ /, \"\", \$2); print \$2 }" <<<"$info"; }
        x=$(value "Absolute upper-left X") y=$(value "Absolute upper-left Y")
        if [ "$part" = frame ]; then
            x=$((x - $(value "Relative upper-left X"))) y=$((y - $(value "Relative upper-left Y")))
        fi
        import -window root -crop "$(value Width)x$(value Height)+$x+$y" "$picture"
        kill $!' shoot "$@"
}
shoot "$top/docs/imc.png" client env QT_QPA_PLATFORM=xcb LC_ALL=C "$build_dir/imc"
shoot "$top/docs/imc-windows.png" frame wine "$top/build-windows/imc.exe"
echo "wrote docs/imc.png and docs/imc-windows.png"
