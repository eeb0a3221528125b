#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every measurement against a built tree and prints the table. bench/run.sh builds the tree
# and starts this with BENCH_BUILD, BENCH_RUNS, BENCH_SLOW_TICKS and the Qt platform set.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=$BENCH_BUILD/bench
out=$BENCH_BUILD/bench-results
mkdir -p "$out"
rows=$out/rows.tsv
: >"$rows"
fast_ticks=200
wake_ticks=30
soak_ticks=100000
callgrind_ticks=200

row() { printf '%s\t%s\t%s\t%s\n' "$@" >>"$rows"; }

# Runs one measurement, keeps its output in $out and its table rows in $rows.
step() {
    local name=$1
    shift
    echo "$(date +%T) $name" >&2
    if "$@" >"$out/$name.out" 2>"$out/$name.log"; then
        grep '^ROW' "$out/$name.out" | cut -f2- >>"$rows" || true
    else
        row "$name" "failed: see $out/$name.log" "-" "SHORT"
    fi
}

callgrind() {
    valgrind --tool=callgrind --instr-atstart=no --collect-atstart=no \
        --callgrind-out-file="$out/callgrind.out" "$bin/dicemere-bench-tick" "$callgrind_ticks"
    local total
    total=$(awk '/^totals:/ { print $2 }' "$out/callgrind.out")
    callgrind_annotate --inclusive=yes "$out/callgrind.out" >"$out/callgrind.txt" 2>/dev/null || true
    printf 'ROW\tInstructions per tick: roll, captions, repaint\t%s (callgrind, mean of %s)\t-\trecord\n' \
        "$((total / callgrind_ticks))" "$callgrind_ticks"
}

# Instructions from exec to the first paint, which a busy machine does not change.
startup_instructions() {
    local program
    local -A total
    for program in startup-probe floor; do
        valgrind --tool=callgrind --callgrind-out-file="$out/startup-$program.callgrind" \
            "$bin/dicemere-bench-$program" >/dev/null
        total[$program]=$(awk '/^totals:/ { print $2 }' "$out/startup-$program.callgrind")
    done
    awk -v ours="${total[startup-probe]}" -v floor="${total[floor]}" 'BEGIN {
        ratio = ours / floor
        printf "ROW\tStart-up instructions to first paint: ours / floor\t%.3f (%.1f / %.1f M, callgrind)\t<= 1.10\t%s\n",
            ratio, ours / 1e6, floor / 1e6, ratio <= 1.10 ? "met" : "SHORT"
    }'
}

rolldie() {
    "$bin/dicemere-bench-rolldie" --benchmark_format=csv >"$out/rolldie.csv"
    awk -F, '$1 ~ /^"Roll/ {
        gsub(/"/, "", $1)
        printf "ROW\tGoogle Benchmark %s: time per call\t%.1f %s (CPU)\t-\trecord\n", $1, $4, $5
    }' "$out/rolldie.csv"
}

# Jiffies the whole machine was busy and all jiffies so far, from the first line of /proc/stat.
machine_cpu() { awk '/^cpu / { print $2 + $3 + $4 + $7 + $8 + $9, $2 + $3 + $4 + $5 + $6 + $7 + $8 + $9 }' /proc/stat; }

read -r busy_before total_before < <(machine_cpu)
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
started=$(date +%s)

step startup "$bin/dicemere-bench-startup" "$bin/dicemere-bench-startup-probe" \
    "$bin/dicemere-bench-floor" "$BENCH_RUNS"
if command -v valgrind >/dev/null; then
    step startup-instructions startup_instructions
fi
step cadence-125 "$bin/dicemere-bench-live" 1 "$fast_ticks"
step cadence-1000 "$bin/dicemere-bench-live" 8 "$BENCH_SLOW_TICKS"
step wakeups "$bin/dicemere-bench-wakeups" "$wake_ticks"
step about "$bin/dicemere-bench-about" 10
step soak "$bin/dicemere-bench-soak" "$soak_ticks"
if command -v valgrind >/dev/null; then
    step callgrind callgrind
else
    row "Instructions per tick" "valgrind not installed" "-" "pending"
fi
if [[ -x $bin/dicemere-bench-rolldie ]]; then
    step rolldie rolldie
else
    row "RollDie alone" "not built: libbenchmark-dev not installed" "-" "pending"
fi

read -r busy_after total_after < <(machine_cpu)
cores=$(nproc)
echo
echo "Dicemere benchmarks, $(date '+%F %T'), commit $(git -C "$source_dir" rev-parse --short HEAD 2>/dev/null || echo '?')$(git -C "$source_dir" diff --quiet HEAD 2>/dev/null || echo ' with local changes')"
echo "Qt platform: $QT_QPA_PLATFORM$([[ $QT_QPA_PLATFORM == xcb ]] && echo ' (Xvfb)'), $cores cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "Load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg); whole machine busy" \
    "$(awk -v b=$((busy_after - busy_before)) -v t=$((total_after - total_before)) -v c="$cores" \
        'BEGIN { printf "%.0f %% of %d cores", t ? 100 * b / t : 0, c }') over $(($(date +%s) - started)) s"
echo
awk -F'\t' '
    { for (i = 1; i <= 4; ++i) { cell[NR, i] = $i; if (length($i) > width[i]) width[i] = length($i) } }
    END {
        split("Figure|Measured|Goal|Verdict", head, "|")
        for (i = 1; i <= 4; ++i) if (length(head[i]) > width[i]) width[i] = length(head[i])
        format = "%-" width[1] "s  %-" width[2] "s  %-" width[3] "s  %s\n"
        printf format, head[1], head[2], head[3], head[4]
        printf format, "-", "-", "-", "-"
        for (r = 1; r <= NR; ++r) printf format, cell[r, 1], cell[r, 2], cell[r, 3], cell[r, 4]
    }' "$rows"
echo
echo "Logs and raw output: $out"
