#!/usr/bin/env bash
# Installs the Debian packages the project needs, skipping those already installed; `web` for
# the WebAssembly build's.
set -euo pipefail
packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-mincho
  pulseaudio pulseaudio-utils
  desktop-file-utils appstream dpkg-dev file
  clang libclang-rt-dev
)
# `deps.sh web`: the WebAssembly build's compiler and its optimizer's parser, node and npm for its
# tools and tests, and the browser the tests drive.
[ "${1:-}" = "web" ] && packages=(emscripten node-acorn cmake make python3 chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
