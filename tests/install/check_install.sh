#!/usr/bin/env bash
# The installed tree holds exactly the program, its desktop entry, metainfo, icons (SVG, and
# PNG at each size) and manual pages; the entry and metainfo pass their validators and the
# manual pages render without a warning.
set -euo pipefail
build=$1
id=org.example.Imc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected=$( (printf '%s\n' bin/imc "share/applications/$id.desktop" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml" \
    share/man/man1/imc.1 share/man/en/man1/imc.1
    for size in 16 24 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done) | sort)

cmake --install "$build" --prefix "$work/prefix" >/dev/null
installed=$(cd "$work/prefix" && find . -type f -printf '%P\n' | sort)
diff <(echo "$expected") <(echo "$installed")

desktop-file-validate "$work/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/$id.metainfo.xml" >/dev/null
for page in "$work"/prefix/share/man/{,en/}man1/imc.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done
echo "install tree: ok"
