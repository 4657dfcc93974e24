#!/usr/bin/env bash
# Screenshots of the main window as a person sees it: Vaneko in Xvfb under the openbox window
# manager, on a screen of SIZE at scale factor SCALE, in French or (LANGUAGE=en) English, after
# the "English" key is clicked. The whole screen is saved to OUT (PNG), or with WINDOW_ONLY=1
# the window's client area alone.
#   tools/screenshots.sh SIZE SCALE LANGUAGE OUT [BUILD_DIR]
# It needs openbox (apt-get install openbox), which the build and the tests do not.
#   tools/screenshots.sh 1600x900 1 fr assets/screenshots/vaneko-fr.png
set -euo pipefail
size="$1" scale="$2" language="$3" out="$4" build="${5:-build/release}"

display=":$((60 + RANDOM % 30))"
Xvfb "$display" -screen 0 "${size}x24" > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null' EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
openbox > /dev/null 2>&1 &
sleep 1
QT_SCALE_FACTOR="$scale" "$build/app/vaneko" > /dev/null 2>&1 &
window=$(xdotool search --sync --onlyvisible --name '^Vaneko 2\.0' | head -1)
sleep 1
if [ "$language" = en ]; then
  # The "English" key: its place on the about panel, on the page of the category tabs.
  x=$(((8 + 440 + 30 + 28) * scale)) y=$(((50 + 205 + 140 + 12) * scale))
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.5
fi
if [ "${WINDOW_ONLY:-}" = 1 ]; then import -window "$window" "$out"; else import -window root "$out"; fi
