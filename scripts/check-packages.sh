#!/usr/bin/env bash
# Names every package of the set-up lists (scripts/packages*.txt) that this system's archive does
# not have, so that a list that no longer fits a release says so whole, not by one failing
# apt-get. Status 1 if any is missing. Reads apt's package lists as they are: run
# `apt-get update` first on a new system.
#   scripts/check-packages.sh [LIST...]     every list by default
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
[ $# -gt 0 ] || set -- "$top"/scripts/packages*.txt
mapfile -t wanted < <(cat "$@" | grep -Ev '^\s*(#|$)')
# One apt-cache call for all: a package the archive has shows a candidate version.
mapfile -t missing < <(LC_ALL=C apt-cache policy "${wanted[@]}" 2>/dev/null |
    awk '/^[^ ].*:$/ { name = substr($0, 1, length($0) - 1); seen[name] = 0 }
         /^  Candidate: / && $2 != "(none)" { seen[name] = 1 }
         END { for (name in seen) if (seen[name]) print name }' |
    sort | comm -23 <(printf '%s\n' "${wanted[@]}" | sort -u) -)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Not in this system's package archive ($(. /etc/os-release && echo "$PRETTY_NAME")): ${missing[*]}" >&2
    exit 1
fi
echo "All ${#wanted[@]} listed packages are in the archive."
