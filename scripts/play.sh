#!/usr/bin/env bash
# Installs, builds and opens the stand-in lobby, which starts the client.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
# The sound pack lies beside the client's folder (build/common for build/bin).
[ -f build/common/music/majiang.wav ] || cmake --build --preset release --target sounds
port="${VANTRY_PORT:-24680}"
exec build/bin/vantry-lobby --server 127.0.0.1 --port "$port" "$@"
