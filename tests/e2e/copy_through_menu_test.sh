#!/usr/bin/env bash
# Types a number into the decimal field of the real window, copies the
# base-n field through its context menu, reads the desktop clipboard, and
# closes the window: the program must end with status 0.
source "$(dirname "$0")/xvfb_session.sh"

start_xvfb
start_nodri
type_decimal_copy_base_n 255
[ "$COPIED" = "04:15" ] || fail "clipboard holds '$COPIED', expected '04:15'"

close_nodri
[ "$EXIT_STATUS" -eq 0 ] || fail "nodri ended with status $EXIT_STATUS"
echo "PASS: typed 255, copied $COPIED, exit status $EXIT_STATUS"
