#!/usr/bin/env bash
# Rebuilds and retakes the pictures of the window that the README shows: docs/imc.png as a
# real X server (Xvfb) shows the Linux program, docs/imc-windows.png as Wine shows the
# Windows one, frame included. Rerun it whenever the window changes, and commit the pictures.
set -euo pipefail
source "$(dirname "$0")/setup.sh" test
QT_QPA_PLATFORM=xcb LC_ALL=C IMC_SCREENSHOT_DIR="$top/docs" \
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$build_dir/tests/window/tst_screen" >/dev/null
echo "wrote $top/docs/imc.png"

cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
wine=("$top/tests/win32/wine.sh" "$(mktemp -d)")
trap '"${wine[@]}" cleanup' EXIT
"${wine[@]}" setup >/dev/null
"${wine[@]}" wine "$top/build-windows/imc.exe" &
"${wine[@]}" bash -c '
    for _ in $(seq 100); do
        geometry=$(xwininfo -name "Indice di Massa Corporea" 2>/dev/null | awk "
            /Absolute upper-left X/ { x = \$NF } /Absolute upper-left Y/ { y = \$NF }
            /Width/ { w = \$NF } /Height/ { h = \$NF } END { if (w) print w \"x\" h \"+\" x \"+\" y }")
        [ -n "$geometry" ] && break
        sleep 0.1
    done
    sleep 1 # drawn
    import -window root -crop "$geometry" "$0"' "$top/docs/imc-windows.png"
echo "wrote $top/docs/imc-windows.png"
