#!/usr/bin/env bash
# Types a number into the decimal field of the real window, copies the
# base-n field through its context menu, reads the desktop clipboard, and
# closes the window: the program must end with status 0.
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
start_nodri
window_geometry

# Rows are u = height/3 - 12 high: base n at 8, decimal at u + 16. The
# fields end 8 pixels short of the right edge.
u=$((H / 3 - 12))
field_x=$((W - 40))
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
click_at "$field_x" $((u + 16 + u / 2))
xdotool key ctrl+a
xdotool type --delay 40 255
sleep 0.3

click_at "$field_x" $((8 + u / 2)) 3
xdotool key Down Down Return  # 0に戻す, コピー
sleep 0.3
copied=$(xclip -o -selection clipboard)
[ "$copied" = "04:15" ] || fail "clipboard holds '$copied', expected '04:15'"

close_nodri
[ "$EXIT_STATUS" -eq 0 ] || fail "nodri ended with status $EXIT_STATUS"
echo "PASS: typed 255, copied $copied, exit status $EXIT_STATUS"
