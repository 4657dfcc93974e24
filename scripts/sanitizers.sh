#!/usr/bin/env bash
# Thread and leak checks, each a CMake preset:
#  - tsan, ThreadSanitizer: the registry's tests, among them conversions on several threads
#    while another thread registers and unregisters a family of its own;
#  - asan, AddressSanitizer with LeakSanitizer and UndefinedBehaviorSanitizer: the window
#    started under the offscreen platform, a scripted tour of every tab, both languages,
#    conversions, calculator keys and the circle window, then "Quitter".
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset tsan > /dev/null
cmake --build --preset tsan -j "$(nproc)"
ctest --preset tsan
echo "ThreadSanitizer: no race reported"

if [ -f tests/app/window_tour.cpp ]; then
  cmake --preset asan > /dev/null
  cmake --build --preset asan -j "$(nproc)"
  ctest --preset asan
  echo "LeakSanitizer: no leak reported"
fi
