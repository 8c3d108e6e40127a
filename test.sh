#!/usr/bin/env bash
# Installs what is missing, builds, and checks everything; non-zero on the first failure:
# formatting, the whole suite (with the core's tests under Valgrind), the Debian package
# checked by lintian, the Windows program cross-built and tested under Wine, the core's suites
# built for 32-bit x86 and run under qemu-i386, the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of the fuzzer, and
# clang-tidy. Each step says how long it took.
source "$(dirname "$0")/scripts/setup.sh" test
cd "$top"
jobs=$(nproc)
step() {
    [ -n "${since:-}" ] && echo "   ($((SECONDS - since)) s)"
    since=$SECONDS
    echo "== $1"
}

step "Package lists: every name in this release's archive"
scripts/check-packages.sh

step "Formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

step "Test suite"
ctest --test-dir "$build_dir" --output-on-failure --timeout 300 -j"$jobs"

step "Debian package"
scripts/deb.sh

step "Windows program, under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows -j"$jobs"

step "32-bit x86: the core's suites under qemu-i386"
cmake --preset i386 >/dev/null
cmake --build --preset i386
ctest --preset i386 -j"$jobs"

step "Sanitizers"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j"$jobs"

step "Fuzzer"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

step "Static checks"
scripts/tidy.sh
step "All checks passed"
