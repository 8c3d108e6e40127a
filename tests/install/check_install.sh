#!/usr/bin/env bash
# The installed tree and the .deb hold exactly the program, its desktop entry, metainfo and
# icon (SVG, and PNG at each size), and the entry and metainfo pass their validators.
set -euo pipefail
build=$1
id=org.example.Imc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected=$( (printf '%s\n' bin/imc "share/applications/$id.desktop" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml"
    for size in 16 24 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done) | sort)

cmake --install "$build" --prefix "$work/prefix" >/dev/null
installed=$(cd "$work/prefix" && find . -type f -printf '%P\n' | sort)
diff <(echo "$expected") <(echo "$installed")

desktop-file-validate "$work/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/$id.metainfo.xml" >/dev/null

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/imc_*.deb)
packed=$(dpkg-deb --contents "$deb" | awk '$1 ~ /^-/ {sub("^./usr/", "", $6); print $6}' | sort)
diff <(echo "$expected") <(echo "$packed")
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends" >&2; exit 1; }
done
echo "install tree and package: ok"
