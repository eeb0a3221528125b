#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the measurements of bench/windows.sh on a display, for the Linux tree (BENCH_LINUX) and the
# Windows one (BENCH_WINDOWS) under Wine reporting BENCH_WINDOWS_VERSION, and prints the table.
# CPU time is read from outside, from /proc, for the program and, under Wine, for the wineserver
# that does much of its work.
set -euo pipefail

out=$BENCH_WINDOWS/bench-results-$BENCH_WINDOWS_VERSION
mkdir -p "$out"
wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
export WINEPREFIX=$BENCH_WINDOWS/wineprefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
hz=$(getconf CLK_TCK)

# User and system time of a process and all its threads, dead ones included, in ms.
cpu_ms() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) \
        || { echo "${2:-process $1} ended before its CPU time was read" >&2; exit 1; }
    sed 's/.*) //' <<<"$stat" | awk -v hz="$hz" '{ print ($12 + $13) * 1000 / hz }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Starts a program, lets it settle, and prints the CPU time (ms) that it and the wineserver (0 on
# Linux) spend over BENCH_SECONDS.
reading() {
    local settle=$1 server=$2
    shift 2
    "$@" >/dev/null 2>&1 &
    local pid=$! p0 s0=0 s1=0
    sleep "$settle"
    p0=$(cpu_ms $pid "$*")
    [[ -z $server ]] || s0=$(cpu_ms "$server" wineserver)
    sleep "$BENCH_SECONDS"
    local p1
    p1=$(cpu_ms $pid "$*")
    [[ -z $server ]] || s1=$(cpu_ms "$server" wineserver)
    kill $pid
    wait $pid || true
    echo "$p1 $p0 $s1 $s0" | awk '{ print $1 - $2, $3 - $4 }'
}

# One wineserver for all the Windows runs, so that its CPU time can be read and no run pays for
# starting it; the prefix is set up before anything is timed.
"$wineserver" -k 2>/dev/null || true
mkdir -p "$WINEPREFIX"
"$wineserver" -f -p &
server=$!
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot -u >/dev/null 2>&1
"$wine" winecfg -v "$BENCH_WINDOWS_VERSION"
kill -0 $server || { echo "the wineserver did not stay" >&2; exit 1; }

for platform in linux windows; do
    if [[ $platform == linux ]]; then
        bin=$BENCH_LINUX/bench
        run=(env QT_QPA_PLATFORM=xcb)
        exe=
        settle=3
        platform_server=
    else
        bin=$BENCH_WINDOWS
        run=("$wine")
        exe=.exe
        settle=8
        platform_server=$server
    fi
    printf '#!/bin/sh\nexec %s "%s" "$@"\n' "${run[*]}" "$bin/dicemere-bench-startup-probe$exe" \
        >"$out/ours-$platform"
    printf '#!/bin/sh\nexec %s "%s" --first-paint\n' "${run[*]}" "$bin/dicemere-bench-plain$exe" \
        >"$out/plain-$platform"
    chmod +x "$out/ours-$platform" "$out/plain-$platform"
    echo "$(date +%T) $platform: start-up" >&2
    "$BENCH_LINUX/bench/dicemere-bench-startup" "$out/ours-$platform" "$out/plain-$platform" \
        "$BENCH_RUNS" >"$out/startup-$platform.out" 2>"$out/startup-$platform.log"
    for state in plain fast rest about; do
        echo "$(date +%T) $platform: CPU, $state" >&2
        if [[ $state == plain ]]; then
            command=("${run[@]}" "$bin/dicemere-bench-plain$exe")
        else
            command=("${run[@]}" "$bin/dicemere-bench-idle$exe" "$state")
        fi
        for ((i = 0; i < BENCH_REPEATS; ++i)); do
            reading "$settle" "$platform_server" "${command[@]}"
        done >"$out/cpu-$platform-$state.txt"
        read -r "program_${platform}_$state" < <(cut -d' ' -f1 "$out/cpu-$platform-$state.txt" | median)
        read -r "server_${platform}_$state" < <(cut -d' ' -f2 "$out/cpu-$platform-$state.txt" | median)
    done
done

# A ratio to the plain program's figure, with both figures.
ratio() { awk -v a="$1" -v b="$2" -v u="$3" 'BEGIN { printf "%.2f (%g / %g %s)", b ? a / b : 0, a, b, u }'; }
startup_cell() { grep "^ROW.$1" "$out/startup-$2.out" | cut -f3 | sed 's/, median of [0-9]* each//'; }
cpu_cell() {
    local platform=$1 state=$2 program server plain_program plain_server
    program=program_${platform}_$state server=server_${platform}_$state
    plain_program=program_${platform}_plain plain_server=server_${platform}_plain
    ratio "${!program}" "${!plain_program}" ms
    [[ $platform == linux ]] || printf '; with wineserver %s' "$(ratio \
        "$(awk -v a="${!program}" -v b="${!server}" 'BEGIN { print a + b }')" \
        "$(awk -v a="${!plain_program}" -v b="${!plain_server}" 'BEGIN { print a + b }')" ms)"
}

echo
echo "Dicemere against a plain Qt program (one label, a new number every 125 ms), $(date '+%F %T')"
echo "Linux: xcb on Xvfb; Windows: cross-built with the same static Qt $BENCH_QT, $("$wine" --version)" \
    "as $BENCH_WINDOWS_VERSION on Xvfb"
echo "Start-up: median of $BENCH_RUNS runs each; CPU: median of $BENCH_REPEATS readings of $BENCH_SECONDS s" \
    "each, the plain program's at its own 125 ms ticks"
echo "Load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
{
    printf 'Figure, ours / plain\tLinux\tWindows (Wine)\n'
    printf 'Start-up, spawn to first paint\t%s\t%s\n' "$(startup_cell Start-up linux)" \
        "$(startup_cell Start-up windows)"
    printf 'Peak working set to first paint\t%s\t%s\n' "$(startup_cell Peak linux)" \
        "$(startup_cell Peak windows)"
    printf 'CPU per tick at the 0.125 s pause\t%s\t%s\n' "$(cpu_cell linux fast)" \
        "$(cpu_cell windows fast)"
    printf 'CPU at rest (1 s pause), About closed\t%s\t%s\n' "$(cpu_cell linux rest)" \
        "$(cpu_cell windows rest)"
    printf 'CPU at rest (1 s pause), About open\t%s\t%s\n' "$(cpu_cell linux about)" \
        "$(cpu_cell windows about)"
} | tee "$out/windows.tsv" | column -t -s $'\t'
echo
echo "Logs and raw readings: $out"
