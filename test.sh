#!/usr/bin/env bash
# Installs what is missing, builds, checks the formatting and runs the whole test suite;
# non-zero on any failure.
source "$(dirname "$0")/scripts/setup.sh"
(cd "$top" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror)
ctest --test-dir "$build_dir" --output-on-failure --timeout 300
