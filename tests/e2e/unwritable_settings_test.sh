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

type_decimal_copy_base_n 3723
[ "$COPIED" = "01:02:03" ] || fail "the window does not work"

close_nodri error
[ "$EXIT_STATUS" -eq 0 ] || fail "nodri ended with status $EXIT_STATUS"
echo "PASS: one error at start, one at close, exit status 0"
