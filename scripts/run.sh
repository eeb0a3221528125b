#!/usr/bin/env bash
# Sets up, builds and starts Dicemere; without a display it runs inside Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default
cmake --build --preset default --target dicemere

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/default/app/dicemere
fi
exec tests/xvfb.sh build/default/app/dicemere
