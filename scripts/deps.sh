#!/usr/bin/env bash
# Installs the Debian packages Quorvel needs that are missing, and nothing when none is.
# Usage: scripts/deps.sh [--test]   (--test adds what the tests and the fuzzer need)
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev
  libjpeg62-turbo-dev libgif-dev libfontconfig1-dev fonts-arphic-uming
  libcairo2-dev libpango1.0-dev libimagequant-dev fonts-noto-cjk
  fluidsynth timgm6mb-soundfont
)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(
    libgtest-dev googletest clang-14 libclang-rt-14-dev
    xvfb xauth openbox xdotool imagemagick x11-utils
    desktop-file-utils appstream groff-base
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
