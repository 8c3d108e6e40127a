#!/usr/bin/env bash
# Installs what is missing, builds the web page into build-web/site/ and serves it on this
# computer alone, printing the address to open. Any web server can host that folder as it is.
source "$(dirname "$0")/scripts/setup.sh" web
exec python3 "$top/scripts/serve.py" "$top/build-web/site" "$@"
