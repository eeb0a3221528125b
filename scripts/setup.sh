#!/usr/bin/env bash
# Installs what building, testing and running Dicemere need, on Debian 12 or 13, skipping what is
# there. Every name is one both releases have, so the same list serves each.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

need build-essential cmake ninja-build pkg-config git \
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland \
    fonts-liberation2 fontconfig \
    clang-format \
    xvfb xauth weston \
    at-spi2-core python3-pyatspi dbus-x11 dbus-daemon \
    desktop-file-utils appstream dpkg-dev file lintian \
    g++-mingw-w64-x86-64-posix \
    clang libclang-rt-dev llvm
