#!/usr/bin/env bash
# Screenshots of the real client under Xvfb: the table window as the lobby
# starts it, at the given screen size (default 1280x1024).
#   scripts/screenshot.sh [WIDTHxHEIGHT] [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
size="${1:-1280x1024}"
out="${2:-out/main-window-$size.png}"
mkdir -p "$(dirname "$out")"
bin="${VANTRY_BIN:-build/bin}"
port=$((20000 + RANDOM % 10000))
xvfb-run -a -s "-screen 0 ${size}x24" bash -c "
  log=\$(mktemp)
  '$bin/vantry-lobby' --headless --port $port --title 'Screenshot Lobby' --caption 'Vantry' >\"\$log\" &
  lobby=\$!
  sleep 3
  import -window root '$out'
  client=\$(sed -n 's/^client pid //p' \"\$log\")
  [ -n \"\$client\" ] && kill \"\$client\" || true
  wait \$lobby || true
  rm -f \"\$log\"
"
echo "wrote $out"
