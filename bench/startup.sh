#!/usr/bin/env bash
# Start-up of build/imc against its floor (build/bench/imc_floor, a bare window with the same
# widgets), run alternately on an Xvfb of their own: time to the window's mapping and to its
# first frame, peak RSS, and the time from a click on "Uscita" to the exit. Prints the medians
# and the ratios imc/floor.
#   bench/startup.sh [RUNS]      (20 runs of each by default)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
runs=${1:-20}
probe=$build/bench/startup_probe
programs=("$build/imc" "$build/bench/imc_floor")

# An X server of its own, on the first free display it finds.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 10 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
trap 'kill $xvfb_pid 2>/dev/null' EXIT
runtime_dir=$(mktemp -d)
export DISPLAY=:$display QT_QPA_PLATFORM=xcb LC_ALL=C XDG_RUNTIME_DIR=$runtime_dir
unset WAYLAND_DISPLAY

results=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$results" "$runtime_dir"' EXIT
"$probe" "${programs[0]}" >/dev/null # warm the page cache for both before measuring
"$probe" "${programs[1]}" >/dev/null
for ((run = 0; run < runs; run++)); do
    for program in "${programs[@]}"; do
        "$probe" "$program" >>"$results/$(basename "$program")"
    done
done

median() { # file column
    cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-22s %10s %10s %8s\n' "median of $runs runs" imc floor ratio
for column in "1 map (ms)" "2 first frame (ms)" "3 Uscita to exit (ms)" "4 peak RSS (KiB)"; do
    index=${column%% *}
    name=${column#* }
    imc=$(median "$results/imc" "$index")
    floor=$(median "$results/imc_floor" "$index")
    printf '%-22s %10s %10s %8.3f\n' "$name" "$imc" "$floor" "$(awk -v a="$imc" -v b="$floor" 'BEGIN { print a / b }')"
done
