#!/usr/bin/env bash
# Sets up, checks the formatting, fuzzes the registry reader for half a minute
# (scripts/fuzz.sh), then builds and runs the whole suite twice: with warnings as errors, and
# under AddressSanitizer and UndefinedBehaviorSanitizer. Non-zero on any failure.
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
