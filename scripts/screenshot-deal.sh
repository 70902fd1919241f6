#!/usr/bin/env bash
# Screenshots of a practice game under Xvfb (1280x1024): the table mid-deal
# against the bots, then the settlement and records boards after the deal
# (the server closes the table after one deal, which brings up the records board). Writes out/deal-table.png and out/deal-boards.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${VANTRY_BIN:-build/bin}"
mkdir -p out
port=$((20000 + RANDOM % 10000))
rm -f "$bin/info.qv"
"$bin/vantry-server" --port "$port" --turn-time 6 --grace 0 --bot-delay 300 --ready-time 2 --max-deals 1 \
  --seed 11 >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
sleep 0.5
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  log=\$(mktemp)
  '$bin/vantry-lobby' --headless --port $port --title 'Screenshot Lobby' --caption 'Vantry' >\"\$log\" 2>&1 &
  sleep 7
  import -window root out/deal-table.png
  # The first deal is settled within about half a minute; its board is then
  # also written to the info file.
  for i in \$(seq 90); do grep -qs 'juNum:1' '$bin/info.qv' && break; sleep 1; done
  # With one deal a table the server then closes it, which shows the records board too.
  sleep 6
  import -window root out/deal-boards.png
  client=\$(sed -n 's/^client pid //p' \"\$log\")
  [ -n \"\$client\" ] && kill \"\$client\" || true
  rm -f \"\$log\"
"
echo "wrote out/deal-table.png out/deal-boards.png"
