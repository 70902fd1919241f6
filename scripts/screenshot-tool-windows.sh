#!/usr/bin/env bash
# A screenshot of the table with the player card and the illegal-play notice
# open, taken from a virtual X server so that the tool windows are real
# windows placed where the core puts them.
#   scripts/screenshot-tool-windows.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out}"
mkdir -p "$out"
demo="${VANTRY_BIN:-build/bin}/tool_windows_demo"
xvfb-run -a -s "-screen 0 1280x1024x24" "$demo" "$out/tool-windows.png"
