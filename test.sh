#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite; non-zero on any failure.
source "$(dirname "$0")/scripts/setup.sh"
ctest --test-dir "$build_dir" --output-on-failure --timeout 300
