#!/usr/bin/env bash
# The whole gate, as CI runs it: installs what is missing, builds, and runs every check, each a
# named step; a step that fails does not stop the next, and the run ends non-zero naming every
# step that failed. Each step says how long it took. Steps: the package lists, formatting, the
# Linux suite (with the core's tests under Valgrind), the Debian package checked by lintian, the
# Windows program cross-built and tested under Wine, the core's suites for 32-bit x86 under
# qemu-i386, the web page (the core's suites under Node's WASI, the page in Chromium), the whole
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of the fuzzer, and
# clang-tidy.
source "$(dirname "$0")/scripts/setup.sh" test
cd "$top"
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
failed=()
step() { # name command...
    local name=$1 since=$SECONDS status=0
    shift
    echo "== $name"
    ("$@") || status=$?
    echo "   ($((SECONDS - since)) s)"
    [ $status -eq 0 ] || { failed+=("$name"); echo "   FAILED: $name (status $status)"; }
}
formatting() { git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; }
workflow() { cmake --workflow --preset "$1"; }

step "Package lists: every name in this release's archive" scripts/check-packages.sh
step "Formatting" formatting
step "Test suite" ctest --preset default
step "Debian package" scripts/deb.sh
step "Windows program, under Wine" workflow windows
step "32-bit x86: the core's suites under qemu-i386" workflow i386
step "Web page: the core's suites under Node, the page in Chromium" workflow web
step "Sanitizers" workflow asan
step "Fuzzer" workflow fuzz
step "Static checks" scripts/tidy.sh

if [ ${#failed[@]} -gt 0 ]; then
    printf '== Failed: %s\n' "${failed[@]}"
    exit 1
fi
echo "== All checks passed"
