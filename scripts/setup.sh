#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Nodri need, and
# only those that are missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libbenchmark-dev libgmp-dev
  clang libclang-rt-14-dev
  fonts-ipafont-gothic
  xvfb xdotool xclip x11-utils imagemagick
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    as_root=(sudo)
  else
    echo "These packages are missing and this is not root: ${missing[*]}" >&2
    exit 1
  fi
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
