#!/usr/bin/env bash
# Runs the game headless for a few seconds, ends it as a window close does (SDL turns SIGTERM
# into a quit event) and checks that it exited cleanly, printed no error and wrote its snapshot.
# Usage: run-game.sh <game binary> [seconds]
set -u
game=$1
seconds=${2:-4}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export MEDIA_NATIVE_SNAPSHOT="$work/frame.png"
# Saves and settings go to a folder of this run's own.
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$HOME"

# One run: start, wait, close, check. Status 2: all well but no frame was drawn before the close.
run() {
local seconds=$1

"$game" >"$work/out" 2>"$work/err" &
pid=$!
# SDL catches SIGTERM once its window system is up; on a loaded machine that may take a while.
caught() { local mask; mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null) && (( 0x$mask & 0x4000 )); }
for _ in $(seq 1 1200); do
    caught && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
sleep "$seconds"
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "the game ended by itself before it was closed (status $?)"
    cat "$work/out" "$work/err"
    return 1
fi
kill -TERM "$pid"
# It must close within a bounded time.
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    echo "the game did not close within ten seconds of the close request"
    return 1
fi
wait "$pid"
status=$?
fail=0
if [ "$status" -ne 0 ]; then
    echo "exit status $status"
    fail=1
fi
if grep -qiE "error|failed|sanitizer|leak" "$work/out" "$work/err"; then
    echo "the game printed an error:"
    fail=1
fi
if [ "$fail" -eq 0 ] && [ ! -s "$MEDIA_NATIVE_SNAPSHOT" ]; then
    echo "no snapshot was written"
    return 2
fi
if [ "$fail" -ne 0 ]; then
    echo "--- standard output"; cat "$work/out"
    echo "--- standard error"; cat "$work/err"
fi
return "$fail"
}

# A sanitised start-up on a loaded machine may not reach its first frame in a few seconds: one
# more try with a long wait before a missing frame counts.
run "$seconds"
status=$?
if [ "$status" -eq 2 ]; then
    rm -f "$MEDIA_NATIVE_SNAPSHOT"
    run 30
    status=$?
fi
exit "$status"
