#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every C++ source; non-zero on any warning.
# Needs the compile commands of build/, of build-fuzz/ for the fuzzers, and of build-windows/
# for the Win32 sources, which clang reads as mingw-w64 code with the cross compiler's headers.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

tidy() { # compile-commands-dir [clang-tidy options...] -- files...
    local dir=$1 options=()
    shift
    while [ "$1" != -- ]; do
        options+=("$1")
        shift
    done
    shift
    printf '%s\0' "$@" | xargs -0 -P"$(nproc)" -n2 clang-tidy -p "$dir" "${options[@]}" --quiet 2>/dev/null
}

# (tests/layering_check.cpp is meant not to compile.)
mapfile -t sources < <(git ls-files '*.cpp' ':!:fuzz/*' ':!:*/win32/*' ':!:tests/layering_check.cpp')
mapfile -t fuzzers < <(git ls-files 'fuzz/*.cpp')
mapfile -t windows < <(git ls-files '*/win32/*.cpp')
tidy build -- "${sources[@]}"
[ ${#fuzzers[@]} -eq 0 ] || tidy build-fuzz -- "${fuzzers[@]}"

mingw=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdinc++)
for include in $(echo | x86_64-w64-mingw32-g++-posix -E -x c++ - -v 2>&1 | grep '^ /.*/c++'); do
    mingw+=(--extra-arg=-isystem"$include")
done
tidy build-windows "${mingw[@]}" -- "${windows[@]}"
