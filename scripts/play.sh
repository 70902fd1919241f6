#!/usr/bin/env bash
# Installs, builds, starts the practice server on a free loopback port and
# opens the stand-in lobby; sit down in the lobby to start the table client.
# Sounds are generated into build/common the first time, when the tools exist.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset debug >/dev/null
cmake --build --preset debug
# The sound pack lies beside the client's folder (build/common for build/bin).
[ -f build/common/music/majiang.wav ] || cmake --build --preset debug --target sounds

# The launch argument carries the port as a 16-bit signed number.
port="${VANTRY_PORT:-}"
if [ -z "$port" ]; then
  port=$(python3 -c '
import random, socket
for _ in range(200):
    p = random.randint(20000, 32000)
    with socket.socket() as s:
        try:
            s.bind(("127.0.0.1", p)); print(p); break
        except OSError:
            pass')
fi

build/bin/vantry-server --port "$port" &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
sleep 0.5
build/bin/vantry-lobby --rooms "练习室=127.0.0.1:$port" --server 127.0.0.1 --port "$port" "$@"
