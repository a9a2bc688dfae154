#!/usr/bin/env bash
# Real pointer and keyboard input through the back end under a virtual display (not part of CI,
# which has no display). Needs Xvfb and xdotool (apt-get install xvfb xdotool) and a build with
# the input_probe program:
#   tests/interactive/pointer-and-keys.sh [bin folder, default build/test/bin]
# Clicks the middle of the probe's 40×40 sprite at (100, 100) and types "a"; passes when the
# sprite gets "click" at local (20, 20) ± 1 and the stage a key-down with key code 65.
set -euo pipefail
cd "$(dirname "$0")/../.."
bin=${1:-build/test/bin}
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool (apt-get install xvfb xdotool)"; exit 2; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
out=$(mktemp)
probe=
cleanup() {
  [ -n "$probe" ] && kill "$probe" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$out"
}
trap cleanup EXIT
export DISPLAY=$display
unset SDL_VIDEODRIVER SDL_AUDIODRIVER
export SDL_AUDIODRIVER=dummy
# Leaks are the test suite's business; under X the system libraries keep allocations whose
# stacks cannot be unwound for a suppression.
export ASAN_OPTIONS=detect_leaks=0

for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"$bin/input_probe" >"$out" &
probe=$!
for _ in $(seq 100); do grep -q ready "$out" && break; sleep 0.1; done
window=$(timeout 10 xdotool search --sync --name "input probe" | head -n 1) || true
[ -n "$window" ] || { cat "$out"; echo "FAIL: no probe window"; exit 1; }
xdotool windowfocus --sync "$window" || true
xdotool mousemove --window "$window" 120 120
sleep 0.2
xdotool click 1
sleep 0.2
xdotool key a

status=0
wait "$probe" || status=$?
probe=
cat "$out"
[ "$status" -eq 0 ] || { echo "FAIL: the probe did not see both inputs"; exit 1; }
awk '/^click/ { ok = ($2 >= 19 && $2 <= 21 && $3 >= 19 && $3 <= 21) } END { exit ok ? 0 : 1 }' "$out" \
  || { echo "FAIL: click not near local (20, 20)"; exit 1; }
grep -q '^keyDown 65 ' "$out" || { echo "FAIL: no key-down with key code 65"; exit 1; }
echo "1 passed, 0 failed"
