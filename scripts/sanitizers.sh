#!/usr/bin/env bash
# Thread and leak checks:
#  - ThreadSanitizer: conversions on several threads while another thread registers and
#    unregisters a family of its own;
#  - AddressSanitizer with LeakSanitizer: the window started under the offscreen platform, a
#    scripted tour of every tab, both languages, conversions, calculator keys and the circle
#    window, then "Quitter".
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANEKO_BUILD_APP=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=thread" > /dev/null
cmake --build build/tsan -j "$(nproc)" --target test_registry
TSAN_OPTIONS="halt_on_error=1" build/tsan/tests/test_registry \
  --gtest_filter='*SeveralThreads*'
echo "ThreadSanitizer: no race reported"

if [ -f tests/app/window_tour.cpp ]; then
  cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
  cmake --build build/asan -j "$(nproc)" --target test_window_tour
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="detect_leaks=1" build/asan/tests/app/test_window_tour
  echo "LeakSanitizer: no leak reported"
fi
