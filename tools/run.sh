#!/usr/bin/env bash
# Builds Tarnwick and runs it on its default world. With no display it runs a
# short headless demo instead and says where its pictures and report are.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

program=build/default/tarnwick
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

echo "tarnwick: no display here; running a headless demo of 300 frames instead."
demo=build/demo
mkdir -p "$demo"
"$program" --headless --no-sleep --frames 300 --seed 1 --input tools/demo_input.txt \
    --capture 10:"$demo/frame_010.bmp" --capture 150:"$demo/frame_150.bmp" \
    --capture 299:"$demo/frame_299.bmp" --report "$demo/report.json"
echo "tarnwick: captures in $root/$demo (frame_010.bmp, frame_150.bmp, frame_299.bmp)"
echo "tarnwick: report in $root/$demo/report.json"
