#!/usr/bin/env bash
# Screenshot of the stand-in lobby window under Xvfb (1280x1024), with two
# practice rooms listed, before anyone sits down. Writes out/lobby.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${VANTRY_BIN:-build/bin}"
mkdir -p out
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  '$bin/vantry-lobby' --rooms '练习房一=127.0.0.1:20001,练习房二=127.0.0.1:20002' --account guest &
  lobby=\$!
  sleep 2
  import -window root out/lobby.png
  kill \$lobby
"
echo "wrote out/lobby.png"
