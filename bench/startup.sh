#!/usr/bin/env bash
# Start-up figures under Xvfb: the milliseconds from starting a program to its first visible
# window, and its resident memory at that moment, median of 11 runs; for vaneko and for any
# other program named on the command line, side by side.
#   bench/startup.sh [BUILD_DIR] [-- OTHER_PROGRAM...]
set -euo pipefail
build="${1:-build/release}"
shift || true
[ "${1:-}" = "--" ] && shift
programs=("$build/app/vaneko")
[ -x "$build/bench/bare_qt_window" ] && programs+=("$build/bench/bare_qt_window")
programs+=("$@")
runs=11

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1400x800x24 > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null' EXIT
sleep 1
export DISPLAY="$display"

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

printf '%-40s %12s %12s\n' program "start (ms)" "RSS (MB)"
for program in "${programs[@]}"; do
  times=()
  memories=()
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" > /dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" > /dev/null 2>&1; do :; done
    end=$(date +%s%N)
    rss_kb=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2> /dev/null || true
    times+=($(((end - start) / 1000000)))
    memories+=("$(awk -v kb="$rss_kb" 'BEGIN { printf "%.1f", kb / 1024 }')")
  done
  printf '%-40s %12s %12s\n' "$(basename "$program")" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${memories[@]}" | median)"
done
