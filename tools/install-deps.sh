#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Nutrava needs.
set -euo pipefail
pkgs=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6svg6-dev
  qt6-translations-l10n qt6-qpa-plugins libgl-dev
  libquazip1-qt6-dev libxlsxwriter-dev zlib1g-dev libsqlite3-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth x11-apps imagemagick
  poppler-utils unrtf python3-openpyxl
  fonts-liberation fonts-dejavu-core
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
