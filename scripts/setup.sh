#!/usr/bin/env bash
# Installs what kvui needs on Debian 12 and builds it into build/ (with ccache
# as the compiler launcher, so that rebuilds on the same machine are quick).
# Usage: scripts/setup.sh [--no-build]   (run as root, or as a user who may sudo)
# --no-build installs the packages only.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  g++ cmake ninja-build pkg-config
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools qtwebengine5-dev
  qttranslations5-l10n
  libboost-dev libsqlite3-dev libcpp-httplib-dev libexiv2-dev libexpat1-dev libproj-dev libgdal-dev
  libimage-exiftool-perl libraw-dev gdal-bin rtklib colmap libvips-tools
  clang-format
  clang libclang-rt-14-dev ccache
  xvfb xauth fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "${1:-}" = "--no-build" ] && exit 0

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths relative to the tree, so that another clone on this machine hits the cache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build "$root/build" -j "$(nproc)"
