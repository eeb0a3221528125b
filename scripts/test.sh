#!/usr/bin/env bash
# The whole test suite, on Debian 12 here and on Debian 13 in the root of scripts/debian13.sh
# (made on the first run). On each release: set up, check the formatting, fuzz the registry reader
# for half a minute (scripts/fuzz.sh), then build and run the suite with warnings as errors
# (preset ci). Under AddressSanitizer and UndefinedBehaviorSanitizer (preset asan) it runs on
# Debian 13, whose newer compiler and Qt are what users run. On Debian 13, where the cross-built
# Qt for Windows is cached, it builds the Windows edition and runs its tests under Wine
# (scripts/windows.sh; a fresh machine skips that rather than spend 45 minutes building Qt). Last,
# the Debian packages of both releases are made twice, in two clones, and must come out the same
# byte for byte (scripts/release.sh --verify --linux). Non-zero on any failure.
#
#   scripts/test.sh                 all of it
#   scripts/test.sh --this-release  the stages of the release it runs on, no packages
#
# On a Debian 13 machine the same runs there, with no root, and its own package alone.
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
--this-release | "") ;;
*)
    echo "usage: $0 [--this-release]" >&2
    exit 2
    ;;
esac
release=$(. /etc/os-release && echo "$VERSION_ID")
stage() {
    echo "== Debian $release: $1"
}

scripts/setup.sh

stage "formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

stage "fuzz: the registry reader, over its corpus and for a while beyond"
scripts/fuzz.sh

presets=(ci)
[ "$release" = 12 ] || presets+=(asan)
for preset in "${presets[@]}"; do
    stage "build and test, preset $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

if [ "$release" != 12 ]; then
    stage "Windows, cross-built and tested under Wine, where the cross-built Qt is cached"
    scripts/windows.sh --if-qt-cached
fi

[ "${1:-}" != --this-release ] || exit 0
[ "$release" != 12 ] || scripts/debian13.sh scripts/test.sh --this-release

echo "== Release: the Debian packages, made twice in two clones, byte for byte"
scripts/release.sh --verify --linux
