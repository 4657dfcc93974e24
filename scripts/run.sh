#!/usr/bin/env bash
# Installs what is missing, builds Vaneko (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)" --target vaneko
exec build/release/app/vaneko "$@"
