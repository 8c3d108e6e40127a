#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
source "$(dirname "$0")/scripts/setup.sh"
exec "$build_dir/imc" "$@"
