#!/usr/bin/env bash
# Installs what is missing, builds Vaneko with its tests (release) and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"
ctest --preset release -j "$(nproc)"
bash scripts/sanitizers.sh
bash scripts/fuzz.sh
bash scripts/package.sh
bash scripts/windows-tests.sh
