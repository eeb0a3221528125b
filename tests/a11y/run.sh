#!/usr/bin/env bash
# Runs the AT-SPI test against the program: a private session bus, the accessibility bus, a
# virtual display and the program, then the client. Exits 77 (skipped) when a piece is missing.
set -u
program=$1
here=$(dirname "$0")
for needed in /usr/bin/python3 dbus-run-session Xvfb /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$needed" >/dev/null; then
        echo "skipped: $needed is missing (scripts/setup.sh installs it)"
        exit 77
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: python3-pyatspi is missing (scripts/setup.sh installs it)"
    exit 77
fi
exec dbus-run-session -- "$here/../xvfb.sh" bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$1" &
    app=$!
    /usr/bin/python3 "$2"
    status=$?
    kill $app $bus 2>/dev/null
    exit $status' run "$program" "$here/tst_atspi.py"
