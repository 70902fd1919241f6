#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the practice game
# need. Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-multimedia-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format clang-14 libclang-rt-14-dev
  python3
  xvfb xauth x11-utils imagemagick xdotool
  microsocks dante-server
  fonts-noto-cjk libgif-dev
  sox espeak-ng
  pulseaudio pulseaudio-utils
  microsocks dante-server
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
