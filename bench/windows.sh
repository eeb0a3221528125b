#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows edition under Wine on Xvfb beside the Linux one, each held against a plain Qt
# program (one label, a new number every 125 ms) built from the same Qt: start-up to the first
# paint, peak working set, CPU time at the 0.125 s pause and at rest with the About window open
# and closed, with Wine reporting Windows 10 or, with --windows win11, Windows 11 (whose style Qt
# 6.8 draws with). Builds a Release tree for Linux (build/bench) and one cross-built for Windows
# against the static Qt of scripts/qt-mingw.sh (build/bench-windows). Installs nothing.
set -euo pipefail

usage() {
    cat <<'TEXT'
usage: bench/windows.sh [--runs N] [--seconds S] [--repeats R] [--windows VERSION]
  --runs N      start-up runs of each program, after two warm-up rounds (default 11)
  --seconds S   how long each CPU reading lasts (default 20)
  --repeats R   readings of each state, of which the median counts (default 3)
  --windows V   the Windows version Wine reports: win10 (default) or win11
TEXT
}

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")
# The cross-built Qt lives in the Debian 13 root, beside the Qt it was built with.
if [ "$(. /etc/os-release && echo "$VERSION_ID")" != 13 ]; then
    exec "$source_dir/scripts/debian13.sh" bench/windows.sh "$@"
fi
source "$source_dir/scripts/lib.sh"
qt=$DICEMERE_QT_MINGW
runs=11
seconds=20
repeats=3
version=win10
while (($#)); do
    case $1 in
    --runs) runs=$2; shift ;;
    --seconds) seconds=$2; shift ;;
    --repeats) repeats=$2; shift ;;
    --windows) version=$2; shift
        [[ $version == win1[01] ]] || { usage >&2; exit 2; } ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
    esac
    shift
done
if [[ ! -f $qt/plugins/platforms/libqwindows.a ]]; then
    echo "no cross-built Qt in $qt: scripts/windows.sh builds it" >&2
    exit 1
fi
for tool in g++ Xvfb /usr/lib/wine/wine64; do
    command -v "$tool" >/dev/null \
        || { echo "$tool not found (scripts/setup.sh and scripts/windows.sh install it)" >&2; exit 1; }
done

linux=$source_dir/build/bench
windows=$source_dir/build/bench-windows
targets=(dicemere-bench-startup-probe dicemere-bench-plain dicemere-bench-idle)
cmake -S "$source_dir" -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDICEMERE_BUILD_BENCH=ON \
    -DDICEMERE_BUILD_TESTS=OFF >/dev/null
cmake --build "$linux" --target "${targets[@]}" dicemere-bench-startup >/dev/null
(cd "$source_dir" && cmake --preset windows -B "$windows" \
    -DDICEMERE_BUILD_BENCH=ON -DDICEMERE_BUILD_TESTS=OFF >/dev/null)
cmake --build "$windows" --target "${targets[@]}" >/dev/null

runtime_dir=$(mktemp -d)
trap 'rm -rf "$runtime_dir"' EXIT
env -u QT_XCB_NO_MITSHM -u QT_SCALE_FACTOR LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$runtime_dir" \
    BENCH_LINUX="$linux" BENCH_WINDOWS="$windows" BENCH_RUNS="$runs" BENCH_SECONDS="$seconds" \
    BENCH_REPEATS="$repeats" BENCH_WINDOWS_VERSION="$version" BENCH_QT="$qt_mingw_version" \
    "$source_dir/tests/xvfb.sh" "$here/measure-windows.sh"
