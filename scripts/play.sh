#!/usr/bin/env bash
# Installs, builds and opens the stand-in lobby, which starts the client.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset debug >/dev/null
cmake --build --preset debug
port="${VANTRY_PORT:-24680}"
exec build/bin/vantry-lobby --server 127.0.0.1 --port "$port" "$@"
