#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Vaneko needs to build, run and test; skips
# everything when they are all present already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-private-dev libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation xvfb xauth xdotool imagemagick
  clang-14 libclang-rt-14-dev
  help2man lintian appstream desktop-file-utils dpkg-dev fakeroot file
  g++-mingw-w64-x86-64-posix googletest wine wine64
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
