#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need
# (only those missing), then configures and builds.
#   tools/setup.sh [preset [target...]]   preset: default (Release), asan, or windows
#                                         (cross-built with MinGW-w64; its tests run under Wine);
#                                         targets: all when none are named
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-default}"
targets=("${@:2}")

packages=(
  build-essential cmake ninja-build pkg-config git python3 file
  libsdl2-dev libx11-dev libgl-dev libgl1-mesa-dri libglu1-mesa-dev
  libjpeg62-turbo-dev libjpeg-turbo-progs libpng-dev libfreetype-dev libfontconfig-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev libinih-dev
  xvfb xauth x11-utils x11-xkb-utils xdotool imagemagick
  clang libclang-rt-14-dev clang-format
)

# The Windows build needs only the cross toolchain, GoogleTest's sources to
# build with it, djpeg for the texels its image reader is compared with, and
# Wine to run what it made on a virtual X server.
if [ "$preset" = windows ]; then
  packages=(
    cmake ninja-build git python3
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest
    libjpeg-turbo-progs
    wine wine64 xvfb xauth
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cd "$here"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" ${targets[@]:+--target "${targets[@]}"}
