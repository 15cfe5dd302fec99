#!/usr/bin/env bash
# Installs what building and testing the settings program needs on Debian 12,
# then configures and builds it. Sourced by run.sh and test.sh.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev libjpeg62-turbo-dev libgtest-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb openbox xdotool x11-utils imagemagick libjpeg-turbo-progs
)

missing_packages() {
    local package
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            printf '%s\n' "$package"
    done
}

install_packages() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing. Install them as root, then run this command again:" >&2
        echo "  apt-get update && apt-get install -y ${PACKAGES[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y "${PACKAGES[@]}"
}

build_program() {
    local top
    top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSETTINGS_WARNINGS_AS_ERRORS=ON
    cmake --build "$top/build"
    BUILD_DIR="$top/build"
}

install_packages
build_program
