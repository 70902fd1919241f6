#!/usr/bin/env bash
# Screenshots of the table as the core lays it out and the real renderer
# draws it: a dealt hand with one card raised, the three fans and the plays of
# two other seats, at full size (1280x1024, with the window's frame) and in
# the small layout (800x600).
#   scripts/screenshot-table.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out}"
mkdir -p "$out"
demo="${VANTRY_BIN:-build/bin}/table_demo"
for size in 1280x1024 800x600; do
  QT_QPA_PLATFORM=offscreen "$demo" "$size" "$out/table-$size.png"
done
