#!/usr/bin/env bash
# Lays every picture out on contact sheets, one PNG per family (cards, buttons,
# bubbles, avatars, windows), under out/ (or the folder given), to look at them.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out}"
build="${BUILD_DIR:-build}"
if [ ! -x "$build/bin/vantry-artgen" ]; then
  cmake --build "$build" --target vantry-artgen
fi
QT_QPA_PLATFORM=offscreen "$build/bin/vantry-artgen" --sheets assets "$out"
