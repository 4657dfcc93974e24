#!/usr/bin/env bash
# Builds the engine, vaneko-cli and every test program for Windows with MinGW-w64 (build/mingw)
# and runs the tests under wine, headless: no display is needed for console programs.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

cmake --preset mingw
cmake --build --preset mingw -j "$(nproc)"
built=$SECONDS

# A wine prefix of our own, made once, inside the build folder.
export WINEPREFIX="$PWD/build/mingw/wineprefix"
export WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1
  wineserver --wait
fi
# One wine server for the whole run, instead of one started and stopped per program.
wineserver --persistent=60

ctest --preset mingw -j "$(nproc)"
echo "Windows build: $((built - start)) s; tests under wine: $((SECONDS - built)) s"
