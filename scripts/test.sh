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
