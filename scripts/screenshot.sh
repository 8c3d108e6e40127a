#!/usr/bin/env bash
# Rebuilds and retakes docs/imc.png, the window as a real X server (Xvfb) shows it; rerun it
# whenever the window changes, and commit the picture.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
QT_QPA_PLATFORM=xcb LC_ALL=C IMC_SCREENSHOT_DIR="$top/docs" \
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$build_dir/tests/window/tst_screen" >/dev/null
echo "wrote $top/docs/imc.png"
