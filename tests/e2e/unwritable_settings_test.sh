#!/usr/bin/env bash
# Settings that cannot be written (the config folder lies below a regular
# file, which stops root too): one error at start-up, a window that works
# with the defaults, and a close that still ends the program with status 0.
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
touch "$WORK/file"
export XDG_CONFIG_HOME=$WORK/file/config

launch_nodri
dismiss_message_box
wait_for_window
window_geometry
[ "$W" -eq 522 ] && [ "$H" -eq 162 ] || fail "size ${W}x$H, not the design's"

u=$((H / 3 - 12))
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
click_at $((W - 40)) $((u + 16 + u / 2))
xdotool key ctrl+a
xdotool type --delay 40 3723
click_at $((W - 40)) $((8 + u / 2)) 3
xdotool key Down Down Return
sleep 0.3
[ "$(xclip -o -selection clipboard)" = "01:02:03" ] || fail "the window does not work"

xdotool windowfocus "$WINDOW" 2>/dev/null || true
xdotool key alt+F4
dismiss_message_box
tries=0
while kill -0 "$NODRI_PID" 2>/dev/null; do
  sleep 0.1
  tries=$((tries + 1))
  [ $tries -lt 50 ] || fail "nodri did not end promptly after the failed save"
done
set +e
wait "$NODRI_PID"
status=$?
set -e
NODRI_PID=""
[ "$status" -eq 0 ] || fail "nodri ended with status $status"
echo "PASS: one error at start, one at close, exit status 0"
