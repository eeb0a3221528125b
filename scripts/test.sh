#!/usr/bin/env bash
# Sets up, checks the formatting, fuzzes the registry reader for half a minute
# (scripts/fuzz.sh), then builds and runs the whole suite twice: with warnings as errors, and
# under AddressSanitizer and UndefinedBehaviorSanitizer. Then, where a cross-built Qt for Windows
# is cached, it builds the Windows edition and runs its tests under Wine (scripts/windows.sh; a
# fresh machine skips that rather than spend 35 minutes building Qt). Last, the Debian package is
# made twice, in two clones, and must come out the same byte for byte (scripts/release.sh
# --verify --linux; the whole check, with Windows, takes too long for every run). Non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

echo "== Formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

echo "== Fuzz: the registry reader, over its corpus and for a while beyond"
scripts/fuzz.sh

for preset in ci asan; do
    echo "== Build and test: $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "== Windows: cross-built and tested under Wine, where the cross-built Qt is cached"
scripts/windows.sh --if-qt-cached

echo "== Release: the Debian package, made twice in two clones, byte for byte"
scripts/release.sh --verify --linux
