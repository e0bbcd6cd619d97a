#!/usr/bin/env bash
# Installs what building, running and testing Polyshard need on Debian 12.
# Runs as root; does nothing when everything is already there.
set -euo pipefail
packages=(
  cmake g++ ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev libqt6svg6 qt6-qpa-plugins
  xvfb xauth xdotool imagemagick poppler-utils pulseaudio pulseaudio-utils
  clang libclang-rt-14-dev clang-format fonts-dejavu-core ccache x11-utils
  # the Debian package and its checks
  dpkg-dev file desktop-file-utils appstream man-db
  # the core for Windows: mingw-w64, GoogleTest's sources, Wine
  g++-mingw-w64-x86-64-posix googletest wine64
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
