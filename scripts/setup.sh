#!/usr/bin/env bash
# Installs every Debian package Orvalen needs to build, run, test and bake its data.
# Idempotent: packages already present are left alone. Runs as root, or through sudo.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake pkg-config clang clang-format libclang-rt-14-dev
  # libraries the game links
  libsdl2-dev libglew-dev libglu1-mesa-dev libgl1-mesa-dri libfreetype-dev
  libfreeimage-dev libopenal-dev libopenal1 libboost-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xfonts-base xdotool x11-utils imagemagick
  # a window manager: full screen is the desktop's to grant
  openbox
  # the soak's memory chart
  gnuplot-nox
  # baking the data folder: spoken unit responses and the two fonts
  espeak-ng sox fonts-liberation2 fonts-league-spartan
  # the Debian package (cpack -G DEB) and its checks
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
