#!/usr/bin/env bash
# vaneko outside a desktop: --help and --version need no display; without one, or with one that
# refuses the connection, it prints one line and exits with 1 instead of aborting.
#   vaneko_without_display.sh PATH/TO/vaneko VERSION
set -uo pipefail
vaneko="$1"
version="$2"
failures=0

# check NAME EXPECTED_EXIT EXPECTED_STDOUT_FIRST_LINE EXPECTED_STDERR_PATTERN -- ENV... -- ARGS...
check() {
  local name="$1" want_exit="$2" want_out="$3" want_err="$4"
  shift 4
  local -a environment=()
  while [ "$1" != "--" ]; do environment+=("$1"); shift; done
  shift
  local out err status
  out="$(mktemp)"; err="$(mktemp)"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${environment[@]}" \
    timeout 20 "$vaneko" "$@" >"$out" 2>"$err"
  status=$?
  local got_out got_err_lines
  got_out="$(head -n 1 "$out")"
  got_err_lines="$(wc -l <"$err")"
  if [ "$status" -ne "$want_exit" ]; then
    echo "FAIL $name: exit $status, expected $want_exit"; failures=$((failures + 1))
  elif [ "$got_out" != "$want_out" ]; then
    echo "FAIL $name: stdout '$got_out', expected '$want_out'"; failures=$((failures + 1))
  elif [ -n "$want_err" ] && { [ "$got_err_lines" -ne 1 ] || ! grep -qE "$want_err" "$err"; }; then
    echo "FAIL $name: stderr is not the one line /$want_err/:"; cat "$err"
    failures=$((failures + 1))
  elif [ -z "$want_err" ] && [ -s "$err" ]; then
    echo "FAIL $name: unexpected stderr:"; cat "$err"; failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
  rm -f "$out" "$err"
}

line='^vaneko: cannot open a display; '
check "no display at all" 1 "" "$line.*DISPLAY" -- --
check "empty DISPLAY" 1 "" "$line" DISPLAY= -- --
check "a display that refuses" 1 "" "${line}the window system refused the connection \(DISPLAY=:99999" \
  DISPLAY=:99999 -- --
check "xcb chosen, display refuses" 1 "" "$line" DISPLAY=:99999 QT_QPA_PLATFORM=xcb -- --
check "--help without a display" 0 "Usage: vaneko [OPTION]..." "" -- --help
check "-h with a refusing display" 0 "Usage: vaneko [OPTION]..." "" DISPLAY=:99999 -- -h
check "--version without a display" 0 "vaneko (Vaneko) $version" "" -- --version
exit $((failures > 0))
