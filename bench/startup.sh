#!/usr/bin/env bash
# Start-up figures under Xvfb: the milliseconds from starting a program to the mapping of its
# window, and its resident memory once that window is drawn; medians of 11 runs, for vaneko and
# for any other program named on the command line, side by side. The programs' runs alternate,
# so that a drift of the machine's speed weighs on all of them alike.
#
# The mapping is read from the server's own MapNotify event (xev on the root window): nothing
# polls while a program starts. A poller started again and again keeps a core busy, which the
# program and the X server would then share, and adds its own latency to every figure.
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
# -noreset: the server would otherwise reset, refusing connections for a moment, whenever its
# last client leaves.
Xvfb "$display" -noreset -screen 0 1400x800x24 > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null' EXIT
export DISPLAY="$display"
until xdotool getdisplaygeometry > /dev/null 2>&1; do sleep 0.1; done

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
microseconds() { local t="${1/[.,]/}"; echo "$((10#$t))"; }

# One start of $1: prints "milliseconds megabytes".
start_once() {
  local program="$1" events watcher line start end pid rss_kb
  exec {events}< <(exec xev -root -event substructure)
  watcher=$!
  sleep 0.2  # time for xev to connect and select its events
  start=$EPOCHREALTIME
  "$program" > /dev/null 2>&1 &
  pid=$!
  while read -r -t 10 -u "$events" line; do
    [[ $line == MapNotify* ]] && break
  done
  end=$EPOCHREALTIME
  sleep 0.5  # the first frame painted: its caches and glyphs count
  rss_kb=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status" 2> /dev/null || echo 0)
  kill "$pid" 2> /dev/null || { echo "$program exited before showing a window" >&2; exit 1; }
  wait "$pid" 2> /dev/null || true
  kill "$watcher" 2> /dev/null || true
  exec {events}<&-
  awk -v us=$(($(microseconds "$end") - $(microseconds "$start"))) -v kb="$rss_kb" \
    'BEGIN { printf "%.1f %.1f\n", us / 1000, kb / 1024 }'
}

declare -A times memories
for _ in $(seq "$runs"); do
  for program in "${programs[@]}"; do
    read -r ms mb < <(start_once "$program")
    times[$program]+="$ms "
    memories[$program]+="$mb "
  done
done

printf '%-40s %12s %12s\n' program "start (ms)" "RSS (MB)"
for program in "${programs[@]}"; do
  printf '%-40s %12s %12s\n' "$(basename "$program")" \
    "$(tr ' ' '\n' <<< "${times[$program]}" | grep . | median)" \
    "$(tr ' ' '\n' <<< "${memories[$program]}" | grep . | median)"
done
