#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for a bounded time on its committed seed corpus. A crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DVANEKO_BUILD_FUZZ=ON -DVANEKO_BUILD_APP=OFF \
  -DVANEKO_BUILD_TESTS=OFF > /dev/null
cmake --build build/fuzz -j "$(nproc)" --target number_text_fuzzer model_fuzzer
for fuzzer in number_text model; do
  work="build/fuzz/corpus-$fuzzer"
  mkdir -p "$work"
  echo "Fuzzing $fuzzer for ${seconds}s"
  log="build/fuzz/$fuzzer.log"
  if ! build/fuzz/fuzz/${fuzzer}_fuzzer -max_total_time="$seconds" -artifact_prefix="build/fuzz/" \
      "$work" "fuzz/corpus/$fuzzer" > "$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzzer $fuzzer failed"
    exit 1
  fi
  grep -E "^Done" "$log"
done
