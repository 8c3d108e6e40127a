#!/usr/bin/env bash
# Installs what is missing, builds the program, and starts it.
source "$(dirname "$0")/scripts/setup.sh" run
exec "$build_dir/imc" "$@"
