#!/usr/bin/env bash
# The whole test run: packages, build, every test, the sanitizer run of the
# unit tests and the formatting check.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== formatting"
bash scripts/check-format.sh

echo "== build and test"
cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug -j2

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j2

echo "== fuzzing the frame path for a minute"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus
build-fuzz/bin/frame_fuzz -max_total_time="${VANTRY_FUZZ_SECONDS:-60}" -print_final_stats=0 \
  build-fuzz/corpus 2>&1 | tail -n 3
