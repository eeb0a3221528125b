#!/usr/bin/env bash
# Installs what building, testing and running Dicemere need on Debian 12, skipping what is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland
    fonts-liberation2 fontconfig
    clang-format
    xvfb xauth weston
    at-spi2-core python3-pyatspi dbus-x11 dbus-daemon
    desktop-file-utils appstream dpkg-dev file
    g++-mingw-w64-x86-64-posix
    clang libclang-rt-14-dev llvm
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
