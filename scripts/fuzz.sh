#!/usr/bin/env bash
# Builds the fuzz target with clang (preset fuzz) and runs it: first every input of the corpus
# in tests/fuzz/corpus, then new inputs for a bounded time (FUZZ_SECONDS, 30 by default). What
# it finds goes to a temporary folder, not into the corpus; a failing input is kept in
# build/fuzz/. Non-zero when the reader fails on any input.
#
# To grow the corpus, run longer on a new folder, then keep what adds coverage:
#   build/fuzz/tests/fuzz/fuzz_getkeyvalue -max_total_time=600 -max_len=8192 new tests/fuzz/corpus
#   build/fuzz/tests/fuzz/fuzz_getkeyvalue -merge=1 tests/fuzz/corpus new
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset fuzz
cmake --build --preset fuzz

found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
build/fuzz/tests/fuzz/fuzz_getkeyvalue -max_total_time="${FUZZ_SECONDS:-30}" -max_len=8192 \
    -timeout=10 -print_final_stats=1 -artifact_prefix=build/fuzz/ "$found" tests/fuzz/corpus
