#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite with g++ (release) and again
# with clang 14, followed by the sanitizer checks, the fuzzers, the Debian package and the
# Windows build under wine. Each build is a CMake preset, so `cmake --preset NAME` gives a
# person the very build that this script runs. Every step says how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."

step() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  echo "== $name: $((SECONDS - start)) s"
}

suite() {
  cmake --preset "$1" > /dev/null
  cmake --build --preset "$1" -j "$(nproc)"
  ctest --preset "$1" -j "$(nproc)"
}

step "set-up" bash scripts/install-deps.sh
step "g++ build and suite" suite release
step "clang build and suite" suite clang
step "sanitizers" bash scripts/sanitizers.sh
step "fuzzers" bash scripts/fuzz.sh
step "Debian package" bash scripts/package.sh
step "Windows build under wine" bash scripts/windows-tests.sh
