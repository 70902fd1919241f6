#!/usr/bin/env bash
# Draws the artwork again into assets/ (commit the result). With --check it
# draws into a scratch folder instead and fails when anything differs from
# the committed assets.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
artgen="${ARTGEN:-$build/bin/vantry-artgen}"
if [ ! -x "$artgen" ]; then
  cmake --build "$build" --target vantry-artgen
fi
if [ "${1:-}" = "--check" ]; then
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
  QT_QPA_PLATFORM=offscreen "$artgen" "$scratch" >/dev/null
  diff -r assets "$scratch" && echo "artwork matches its generator"
else
  QT_QPA_PLATFORM=offscreen "$artgen" assets
fi
