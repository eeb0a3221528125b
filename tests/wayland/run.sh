#!/usr/bin/env bash
# Runs the real program natively under weston's headless backend with no X server, and drives it
# through AT-SPI. The compositor, its protocol log and the buses live in a private runtime folder,
# and the search path is empty, so no system-information tool is found. Exits 77 (skipped) when
# a piece is missing.
set -u
for needed in weston /usr/bin/python3 dbus-run-session /usr/libexec/at-spi-bus-launcher qtpaths6; do
    command -v "$needed" >/dev/null || { echo "skipped: $needed is missing (scripts/setup.sh)"; exit 77; }
done
[ -e "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so" ] \
    || { echo "skipped: qt6-wayland is missing (scripts/setup.sh)"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null \
    || { echo "skipped: python3-pyatspi is missing (scripts/setup.sh)"; exit 77; }
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
unset DISPLAY WAYLAND_SOCKET XDG_SESSION_TYPE
mkdir "$XDG_RUNTIME_DIR/bin"
dbus-run-session -- bash -c '
    weston --backend=headless-backend.so --socket=dicemere-test --idle-time=0 \
        --log="$XDG_RUNTIME_DIR/weston.log" --logger-scopes=log,proto &
    compositor=$!
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/dicemere-test" ] && break; sleep 0.1; done
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    PATH="$XDG_RUNTIME_DIR/bin" WAYLAND_DISPLAY=dicemere-test QT_QPA_PLATFORM=wayland \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
    app=$!
    PYTHONPATH="${2%/*}/../a11y" /usr/bin/python3 "$2" "$XDG_RUNTIME_DIR/weston.log"
    status=$?
    kill $app $bus $compositor 2>/dev/null
    exit $status' run "$1" "$(dirname "$0")/tst_wayland.py"
