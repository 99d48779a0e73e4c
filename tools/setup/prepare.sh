#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds.
# Sourced by ./run and ./test; BUILD_DIR names the build folder.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$here/build}"

missing_packages() {
    local pkg
    while read -r pkg; do
        case "$pkg" in ''|'#'*) continue ;; esac
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$pkg"
        fi
    done < "$here/tools/setup/packages.txt"
}

install_missing() {
    local missing
    missing=$(missing_packages | tr '\n' ' ')
    [ -z "${missing// /}" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Lumora needs these packages: $missing" >&2
        echo "Install them with:" >&2
        echo "  sudo apt-get install -y $missing" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    # shellcheck disable=SC2086
    if ! apt-get install -y --no-install-recommends $missing; then
        apt-get update
        apt-get install -y --no-install-recommends $missing
    fi
}

configure_and_build() {
    local jobs
    jobs=$(nproc 2>/dev/null || echo 2)
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
        cmake -S "$here" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$BUILD_DIR" -j "$jobs"
}

install_missing
configure_and_build
