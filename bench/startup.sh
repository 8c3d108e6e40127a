#!/usr/bin/env bash
# Start-up of build/imc against its floor (build/bench/imc_floor, a bare window with the same
# widgets), run alternately on an Xvfb of their own, each program on one CPU: time to the
# window's mapping, to its first frame and to its finished frame (the last drawing before 150
# ms without any), the time from a click on "Uscita" to the exit, peak RSS, and CPU time.
# Prints the medians, the ratios imc/floor, and the interquartile range of the ratios of the
# pairs run one after the other.
#   bench/startup.sh [RUNS]      (20 runs of each by default)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
runs=${1:-20}
probe=$build/bench/startup_probe
programs=("$build/imc" "$build/bench/imc_floor")

# An X server of its own, on the first free display it finds.
source "$top/scripts/xvfb.sh"
start_xvfb -screen 0 1024x768x24 -dpi 96
xvfb_pid=$XVFB_PID
trap 'kill $xvfb_pid 2>/dev/null' EXIT
runtime_dir=$(mktemp -d)
export QT_QPA_PLATFORM=xcb LC_ALL=C XDG_RUNTIME_DIR=$runtime_dir
unset WAYLAND_DISPLAY

results=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$results" "$runtime_dir"' EXIT
"$probe" "${programs[0]}" >/dev/null # warm the page cache for both before measuring
"$probe" "${programs[1]}" >/dev/null
for ((run = 0; run < runs; run++)); do
    for program in "${programs[@]}"; do
        taskset -c 0 "$probe" "$program" >>"$results/$(basename "$program")"
    done
done

quantile() { # q, numbers on standard input
    sort -g | awk -v q="$1" '{ v[NR] = $1 } END { i = 1 + (NR - 1) * q; f = int(i); print v[f] + (i - f) * (v[f + 1] - v[f]) }'
}
column() { cut -d' ' -f"$2" "$1"; }

printf '%-22s %10s %10s %8s   %s\n' "median of $runs runs" imc floor ratio "pairs' ratios, IQR"
for name in "1 map (ms)" "2 first frame (ms)" "3 finished frame (ms)" "4 Uscita to exit (ms)" \
    "5 peak RSS (KiB)" "6 CPU time (ms)"; do
    index=${name%% *}
    name=${name#* }
    imc=$(column "$results/imc" "$index" | quantile 0.5)
    floor=$(column "$results/imc_floor" "$index" | quantile 0.5)
    ratios=$(paste -d' ' <(column "$results/imc" "$index") <(column "$results/imc_floor" "$index") |
        awk '{ print $1 / $2 }')
    printf '%-22s %10.1f %10.1f %8.3f   %.3f-%.3f\n' "$name" "$imc" "$floor" \
        "$(awk -v a="$imc" -v b="$floor" 'BEGIN { print a / b }')" \
        "$(quantile 0.25 <<<"$ratios")" "$(quantile 0.75 <<<"$ratios")"
done
