#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite with g++ (release) and again
# with clang 14, followed by the sanitizer checks and the fuzzers. Each step is a CMake preset,
# so `cmake --preset NAME` gives a person the very build that this script runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
for preset in release clang; do
  echo "== $preset"
  cmake --preset "$preset" > /dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset" -j "$(nproc)"
done
bash scripts/sanitizers.sh
bash scripts/fuzz.sh
bash scripts/package.sh
bash scripts/windows-tests.sh
