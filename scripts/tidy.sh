#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every C++ source; non-zero on any warning. Every
# pass runs, whatever the one before it found, and the findings of all are reported.
# Needs the compile commands of build/, of build-fuzz/ for the fuzzers, and of build-windows/
# for the Win32 sources, which clang reads as mingw-w64 code with the cross compiler's headers.
#   CLANG_TIDY=clang-tidy-19 scripts/tidy.sh     (clang-tidy by default)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
clang_tidy=${CLANG_TIDY:-clang-tidy}
failed=()

tidy() { # name compile-commands-dir [clang-tidy options...] -- files...
    local name=$1 dir=$2 options=()
    shift 2
    while [ "$1" != -- ]; do
        options+=("$1")
        shift
    done
    shift
    [ $# -gt 0 ] || return 0
    printf '%s\0' "$@" | xargs -0 -P"$(nproc)" -n2 "$clang_tidy" -p "$dir" "${options[@]}" --quiet \
        2>/dev/null || failed+=("$name")
}

# (tests/layering_check.cpp is meant not to compile.)
mapfile -t sources < <(git ls-files '*.cpp' ':!:fuzz/*' ':!:*/win32/*' ':!:tests/layering_check.cpp')
mapfile -t fuzzers < <(git ls-files 'fuzz/*.cpp')
mapfile -t windows < <(git ls-files '*/win32/*.cpp')
tidy Linux build -- "${sources[@]}"
tidy fuzzers build-fuzz -- "${fuzzers[@]}"

mingw=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdinc++)
for include in $(echo | x86_64-w64-mingw32-g++-posix -E -x c++ - -v 2>&1 | grep '^ /.*/c++'); do
    mingw+=(--extra-arg=-isystem"$include")
done
tidy Win32 build-windows "${mingw[@]}" -- "${windows[@]}"

[ ${#failed[@]} -eq 0 ] || { echo "clang-tidy ($("$clang_tidy" --version | grep -o 'version [0-9.]*')) found faults in: ${failed[*]}" >&2; exit 1; }
