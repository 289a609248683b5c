#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Torvelle need.
# Safe to run again: apt skips what is already there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config dpkg-dev
  qt6-base-dev libqt6opengl6-dev
  libgl-dev libglu1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev lib3mf-dev desktop-file-utils appstream admesh
  xvfb xauth
  clang-14 libclang-rt-14-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
