#!/usr/bin/env bash
# Installs what is missing, builds, and checks everything; non-zero on the first failure:
# formatting, the whole suite (with the core's tests under Valgrind), the Debian package
# checked by lintian, the Windows program cross-built and tested under Wine, the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, a short run of the fuzzer, and clang-tidy.
source "$(dirname "$0")/scripts/setup.sh" test
cd "$top"

echo "== Formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== Test suite"
ctest --test-dir "$build_dir" --output-on-failure --timeout 300

echo "== Debian package"
scripts/deb.sh

echo "== Windows program, under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows

echo "== Sanitizers"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== Fuzzer"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

echo "== Static checks"
scripts/tidy.sh
