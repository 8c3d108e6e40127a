# Sourced by run.sh, web.sh and test.sh: installs the Debian packages that are missing, then
# configures and builds. Without an argument, only what the program needs, into build/; with
# "web", the web page into build-web/site/; with "test", the program, its tests and the checks'
# packages (the web page's among them: test.sh builds it with its preset).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$top/build"
purpose=${1:-run}

install_missing_packages() {
    local lists=("$top/scripts/packages.txt") wanted missing=()
    [ "$purpose" = web ] && lists=("$top/scripts/packages-web.txt")
    [ "$purpose" = test ] && lists+=("$top/scripts/packages-web.txt" "$top/scripts/packages-test.txt")
    mapfile -t wanted < <(cat "${lists[@]}" | grep -Ev '^\s*(#|$)')
    # What is installed, and what installed packages provide (npm, where Node.js comes with it).
    local have
    have=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}, ${Provides}\n' | sed -n 's/^ii  *//p' |
        tr ',' '\n' | sed 's/^ *//; s/ .*//')
    for package in "${wanted[@]}"; do
        grep -qxF "$package" <<<"$have" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Missing packages: ${missing[*]}; install them as root." >&2; exit 1; }
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    # Every name the archive lacks at once, rather than apt-get's first.
    "$top/scripts/check-packages.sh" <(printf '%s\n' "${missing[@]}") >/dev/null
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The program alone for run.sh, unless build/ already has the tests; everything for test.sh.
build() {
    if [ "$purpose" = web ]; then
        cmake -S "$top" --preset web >/dev/null
        cmake --build "$top/build-web" --target site
        return
    fi
    local testing=()
    if [ "$purpose" = test ]; then
        testing=(-DBUILD_TESTING=ON)
    elif [ ! -f "$build_dir/CMakeCache.txt" ]; then
        testing=(-DBUILD_TESTING=OFF)
    fi
    cmake -S "$top" --preset default "${testing[@]}" >/dev/null
    if [ "$purpose" = test ]; then
        cmake --build "$build_dir"
        # What the web page's checks take from npm, into build-web/npm/ (again only when the
        # lock file asks for other versions than those there).
        local npm_dir="$top/build-web/npm"
        if ! cmp -s "$top/tests/window/web/package-lock.json" "$npm_dir/node_modules/.package-lock.json.imc"; then
            mkdir -p "$npm_dir"
            cp "$top/tests/window/web/package.json" "$top/tests/window/web/package-lock.json" "$npm_dir/"
            npm ci --prefix "$npm_dir" --no-audit --no-fund --prefer-offline >/dev/null
            cp "$top/tests/window/web/package-lock.json" "$npm_dir/node_modules/.package-lock.json.imc"
        fi
    else
        cmake --build "$build_dir" --target imc
    fi
}

install_missing_packages
build
