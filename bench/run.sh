#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in a Release tree and measures every figure that bench/README.md
# describes, under Xvfb when it is there. Installs nothing.
set -euo pipefail

usage() {
    cat <<'TEXT'
usage: bench/run.sh [--full] [--offscreen] [--runs N] [--build-dir DIR]
  --full           follow 200 ticks at the 1000 ms pause (200 s) instead of 60
  --offscreen      use Qt's offscreen platform instead of xcb under Xvfb
  --runs N         start-up runs of each program, after two warm-up rounds (default 15)
  --build-dir DIR  the Release tree to configure and build (default: build-bench)
TEXT
}

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")
build=$source_dir/build-bench
platform=xcb
slow_ticks=60
runs=15
while (($#)); do
    case $1 in
    --full) slow_ticks=200 ;;
    --offscreen) platform=offscreen ;;
    --runs) runs=$2; shift ;;
    --build-dir) build=$2; shift ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
    esac
    shift
done
if [[ $platform == xcb ]] && ! command -v Xvfb >/dev/null; then
    echo "Xvfb not found: measuring on the offscreen platform" >&2
    platform=offscreen
fi

cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDICEMERE_BUILD_BENCH=ON \
    -DDICEMERE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target dicemere-benchmarks >/dev/null

runtime_dir=$(mktemp -d)
trap 'rm -rf "$runtime_dir"' EXIT
# The program's own choices are measured, not whatever this shell has set for Qt.
measure=(env -u QT_XCB_NO_MITSHM -u QT_SCALE_FACTOR LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$runtime_dir"
    QT_QPA_PLATFORM="$platform" BENCH_BUILD="$build" BENCH_RUNS="$runs"
    BENCH_SLOW_TICKS="$slow_ticks" "$here/measure.sh")
if [[ $platform == xcb ]]; then
    "$source_dir/tests/xvfb.sh" "${measure[@]}"
else
    "${measure[@]}"
fi
