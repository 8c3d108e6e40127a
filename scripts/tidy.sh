#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every C++ source; non-zero on any warning.
# Needs the compile commands of build/ and, for the fuzzers, of build-fuzz/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

tidy() { # compile-commands-dir files...
    local dir=$1
    shift
    printf '%s\0' "$@" | xargs -0 -P"$(nproc)" -n2 clang-tidy -p "$dir" --quiet 2>/dev/null
}

mapfile -t sources < <(git ls-files '*.cpp' ':!:fuzz/*')
mapfile -t fuzzers < <(git ls-files 'fuzz/*.cpp')
tidy build "${sources[@]}"
[ ${#fuzzers[@]} -eq 0 ] || tidy build-fuzz "${fuzzers[@]}"
