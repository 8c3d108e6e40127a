#!/usr/bin/env bash
# Replays the seeds, and the corpora a long run grew, through the fuzz targets built with
# source coverage, and prints the line, region and branch coverage of the core:
#   fuzz/coverage.sh [NUMBER_CORPUS CALCULATE_CORPUS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
number=("$top/fuzz/corpus/number")
calculate=("$top/fuzz/corpus/calculate")
[ $# -ge 1 ] && number+=("$(realpath "$1")")
[ $# -ge 2 ] && calculate+=("$(realpath "$2")")
cd "$top"

cmake --preset fuzz-coverage >/dev/null
cmake --build --preset fuzz-coverage >/dev/null
out=build-cov/coverage
rm -rf "$out" && mkdir -p "$out"
LLVM_PROFILE_FILE="$out/number.profraw" build-cov/fuzz/fuzz_number -runs=0 "${number[@]}" 2>/dev/null
LLVM_PROFILE_FILE="$out/calculate.profraw" build-cov/fuzz/fuzz_calculate -runs=0 "${calculate[@]}" 2>/dev/null
llvm-profdata merge -o "$out/all.profdata" "$out"/*.profraw
llvm-cov report -instr-profile="$out/all.profdata" build-cov/fuzz/fuzz_calculate \
    -object build-cov/fuzz/fuzz_number runtime/*.cpp calc/*.cpp
