#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Vaneko needs to build, run and test, and the French
# locale the number text is tested under; skips what is present already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-private-dev qt6-translations-l10n libjpeg-dev libboost-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation xvfb xauth xdotool x11-utils imagemagick
  clang-14 libclang-rt-14-dev
  help2man lintian appstream desktop-file-utils dpkg-dev fakeroot file
  g++-mingw-w64-x86-64-posix googletest wine wine64
  locales
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale whose decimal separator is the comma and which groups thousands, for the tests that
# show the number text ignores the locale.
if ! locale -a 2>/dev/null | grep -qiE '^fr_FR\.utf-?8$'; then
  echo "Generating the fr_FR.UTF-8 locale"
  $sudo localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
fi
