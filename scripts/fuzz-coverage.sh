#!/usr/bin/env bash
# Replays the seeds, and a corpus a long run grew, through the number-reading fuzz target built
# with source coverage, and prints the line, region and branch coverage of the reading:
#   scripts/fuzz-coverage.sh [CORPUS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
corpora=("$top/fuzz/corpus/number")
[ $# -ge 1 ] && corpora+=("$(realpath "$1")")
cd "$top"

cmake --preset fuzz-coverage >/dev/null
cmake --build --preset fuzz-coverage >/dev/null
out=build-cov/coverage
rm -rf "$out" && mkdir -p "$out"
LLVM_PROFILE_FILE="$out/number.profraw" build-cov/fuzz/fuzz_number -runs=0 "${corpora[@]}" 2>/dev/null
llvm-profdata merge -o "$out/number.profdata" "$out/number.profraw"
llvm-cov report -instr-profile="$out/number.profdata" build-cov/fuzz/fuzz_number runtime/*.cpp
