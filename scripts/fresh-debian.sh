#!/usr/bin/env bash
# The README's commands on a minimal Debian, as on a new machine: a tree of RELEASE made by
# mmdebstrap from this machine's Debian mirror (its required and important packages, and git),
# a fresh clone of this checkout's HEAD in it, then inside it ./run.sh with no display (it must
# say why and end with status 2), ./test.sh (it must pass) and ./web.sh (it must serve the
# page). test.sh's set-up (its packages and build) runs first with the network; the checks
# then run with none, in a network namespace of their own, which also keeps their X servers
# apart from any other tree's (a chroot shares the abstract X sockets of its namespace). Too
# slow for every run (it downloads every package the checks need); run it, as root, for each
# release whenever the set-up or a tool's configuration changes. Trees of several releases may
# run at once.
#   scripts/fresh-debian.sh [RELEASE [FOLDER]]   bookworm (default), trixie or sid; a new
#                                                temporary FOLDER by default, removed at the end
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
release=${1:-bookworm}
keep=${2:-}
case $release in
bookworm | trixie | sid) ;;
*) echo "Unknown release '$release': bookworm, trixie or sid." >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "Run it as root: it makes and enters a chroot." >&2; exit 1; }
command -v mmdebstrap >/dev/null || apt-get install -y -qq mmdebstrap >/dev/null
work=${keep:-$(mktemp -d)}
root=$work/root
mkdir -p "$work"
cleanup() {
    umount -R "$root/proc" "$root/sys" "$root/dev" 2>/dev/null || true
    [ -n "$keep" ] || rm -rf "$work"
}
trap cleanup EXIT
step() { echo "== $1 (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

# The mirror this machine installs from, for the release asked; its security updates beside it
# (unstable has none).
mirror=$( (grep -hm1 '^URIs:.*/debian$' /etc/apt/sources.list.d/*.sources 2>/dev/null ||
    grep -hm1 '^deb .*/debian ' /etc/apt/sources.list) | awk '{ print $2 }')
mirror=${mirror:-http://deb.debian.org/debian}
sources=("deb $mirror $release main")
options=()
case $release in
sid)
    # A mirror that is a dated copy of unstable serves a Release file past its Valid-Until.
    options+=(--aptopt='Acquire::Check-Valid-Until "false"')
    ;;
*)
    sources+=("deb $mirror $release-updates main" "deb ${mirror}-security $release-security main")
    ;;
esac
step "mmdebstrap $release, from $mirror"
mmdebstrap --quiet --include=git "${options[@]}" "$release" "$root" "${sources[@]}"
git clone --quiet "$top" "$root/src/imc"
# This machine's network as it is: its resolver, and the certificate authorities it trusts
# beside Debian's (a proxy's, where one stands between it and the registries).
cp /etc/resolv.conf "$root/etc/resolv.conf"
if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" # start no services
chmod +x "$root/usr/sbin/policy-rc.d"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
inside() {
    chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        bash -c "cd /src/imc && $*"
}
echo "packages in the new tree: $(inside "dpkg-query -W | wc -l")"

step "./run.sh, with no display"
status=0
inside ./run.sh >"$work/run.log" 2>&1 || status=$?
tail -n 2 "$work/run.log"
[ $status -eq 2 ] && grep -q 'no display' "$work/run.log" ||
    { echo "run.sh: status $status" >&2; tail -n 30 "$work/run.log" >&2; exit 1; }
echo "packages after run.sh: $(inside "dpkg-query -W | wc -l")"

step "./test.sh's set-up: its packages and build"
inside 'apt-get install -y -qq ca-certificates >/dev/null && update-ca-certificates >/dev/null &&
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt source scripts/setup.sh test' \
    >"$work/setup.log" 2>&1 ||
    { tail -n 40 "$work/setup.log" >&2; exit 1; }
grep -E 'Installing|Missing|Not in' "$work/setup.log" || true

step "./test.sh, with no network"
offline() { unshare --net bash -c 'ip link set lo up && "$@"' offline "$@"; }
offline chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    bash -c "cd /src/imc && ./test.sh" 2>&1 | tee "$work/test.log" | grep --line-buffered -E '^(==|   \()|Installing|Missing'
[ "${PIPESTATUS[0]}" -eq 0 ] || { tail -n 40 "$work/test.log" >&2; exit 1; }
echo "packages after test.sh: $(inside "dpkg-query -W | wc -l")"

step "./web.sh: the page built and served"
inside 'timeout 300 ./web.sh 0 >/tmp/web.log 2>&1 &
    for _ in $(seq 300); do grep -q "^imc: open" /tmp/web.log && break; sleep 1; done
    url=$(grep -o "http://[^ ]*" /tmp/web.log) && echo "served at $url" &&
    python3 -c "import sys, urllib.request as u; sys.exit(b\"<title>Indice di Massa Corporea</title>\" not in u.urlopen(sys.argv[1]).read())" "$url"
    status=$?; kill %1; exit $status' || { cat "$root/tmp/web.log" >&2; exit 1; }
step "done on $release"
