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

echo "== fuzzing the frame path and the dispatcher of a seated client"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
fuzz_seconds="${VANTRY_FUZZ_SECONDS:-45}"
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
# Runs one target for the given time; on a finding the whole report is shown.
fuzz() {
  local name="$1"
  shift
  if ! "build-fuzz/bin/$name" -max_total_time="$fuzz_seconds" -print_final_stats=0 \
    -artifact_prefix=build-fuzz/ "$@" >"build-fuzz/$name.log" 2>&1; then
    cat "build-fuzz/$name.log"
    return 1
  fi
  tail -n 2 "build-fuzz/$name.log"
}
mkdir -p build-fuzz/corpus
fuzz frame_fuzz build-fuzz/corpus
build-fuzz/bin/dispatch_fuzz_seeds build-fuzz/corpus-dispatch
fuzz dispatch_fuzz -max_len=2740 build-fuzz/corpus-dispatch
