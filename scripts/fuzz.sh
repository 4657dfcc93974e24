#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset: clang-14, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time on its committed seed corpus.
# A crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j "$(nproc)"
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
