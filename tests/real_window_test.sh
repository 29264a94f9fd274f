#!/usr/bin/env bash
# The program with no options in a real X window: found by its title, checked
# for its size, sent a real arrow key and Escape through the X server, and
# expected to exit with status 0 within a few seconds.
set -u
exe=$1
fail() { echo "real_window: $*" >&2; exit 1; }

display=":$((100 + $$ % 400))"
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program" "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
# A cold machine (first Xvfb, first Mesa start) can take many seconds.
for _ in $(seq 200); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"

work=$(mktemp -d)
cd "$work" || fail "no work folder"
"$exe" &
program=$!

window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^TARNWICK$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled TARNWICK"
[ "$(xdotool getwindowname "$window")" = "TARNWICK" ] || fail "wrong title"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "1280x960" ] || fail "window is $geometry, not 1280x960"
position=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p')
[ "$position" = "0,0" ] || fail "window is at $position, not at the screen's top-left"

# Start-up loads the default world after the window opens, pausing a second
# once the map has been read. Keys go to the window under the pointer; each
# is held long enough for a poll, and Escape is pressed again until the
# program has passed its start-up and ends (a slow machine may still be
# loading when the first one arrives).
press() {
    xdotool keydown "$1"
    sleep 0.3
    xdotool keyup "$1"
}
sleep 2
xdotool mousemove --window "$window" 640 480
press Right
for _ in $(seq 20); do
    press Escape
    for _ in $(seq 10); do
        kill -0 "$program" 2>/dev/null || break 2
        sleep 0.1
    done
done
kill -0 "$program" 2>/dev/null && fail "still running after Escape"
wait "$program"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "real_window: window $geometry at $position titled TARNWICK, ended by Escape with status 0"
