#!/usr/bin/env bash
# Runs a command on a virtual X display of its own: tests/xvfb.sh COMMAND [ARGS...]. The server
# picks a free display number itself (-displayfd) and says so once it accepts clients; xvfb-run -a
# guesses the number from lock files, which can hand one display to two runs that start at once.
set -euo pipefail
dir=$(mktemp -d)
server=
trap '[ -z "$server" ] || kill "$server" 2>/dev/null; wait; rm -rf "$dir"' EXIT
mkfifo "$dir/display"
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x800x24 3>"$dir/display" 2>"$dir/log" &
server=$!
if ! read -r -t 30 number <"$dir/display"; then
    echo "Xvfb did not start:" >&2
    cat "$dir/log" >&2
    exit 1
fi
status=0
DISPLAY=:$number "$@" || status=$?
exit "$status"
