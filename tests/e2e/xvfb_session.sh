# Helpers for end-to-end tests of the real nodri window under Xvfb, with
# xdotool for the user's hands and xclip for the clipboard. Sourced by the
# test scripts; each test gets its own X server and config folder.

set -euo pipefail

NODRI=${NODRI:?path of the nodri binary}
WORK=$(mktemp -d)
XVFB_PID=""
NODRI_PID=""

cleanup() {
  [ -n "$NODRI_PID" ] && kill "$NODRI_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/nodri.log" ] && sed 's/^/  nodri: /' "$WORK/nodri.log" >&2
  exit 1
}

# An X server of our own, on the first free display it finds.
start_xvfb() {
  local size=${1:-1280x800}
  exec 3<> "$WORK/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local tries=0
  while [ ! -s "$WORK/display" ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "Xvfb did not start"
  done
  export DISPLAY=":$(head -n1 "$WORK/display")"
}

# Starts nodri with a config folder of its own (XDG_CONFIG_HOME unless the
# test set one) and returns at once.
launch_nodri() {
  export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$WORK/config}
  mkdir -p "$XDG_CONFIG_HOME" 2>/dev/null || true
  "$NODRI" >"$WORK/nodri.log" 2>&1 &
  NODRI_PID=$!
}

# Waits for the main window; sets WINDOW to it.
wait_for_window() {
  WINDOW=""
  local tries=0
  while [ -z "$WINDOW" ]; do
    for id in $(xdotool search --onlyvisible --name '^Nodri$' 2>/dev/null); do
      WINDOW=$id
    done
    [ -n "$WINDOW" ] && break
    kill -0 "$NODRI_PID" 2>/dev/null || fail "nodri ended before showing its window"
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 150 ] || fail "no window appeared"
  done
  sleep 0.3
}

start_nodri() {
  launch_nodri
  wait_for_window
}

# Sets X, Y, W and H to the window's position and size.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  W=$WIDTH
  H=$HEIGHT
}

# Clicks with a button at a point given in window coordinates.
click_at() {
  xdotool mousemove --window "$WINDOW" "$1" "$2" click "${3:-1}"
  sleep 0.2
}

# Types TEXT into the decimal field, copies the base-n field through its
# context menu and sets COPIED to what the clipboard then holds. Rows are
# u = height / 3 - 12 high: base n at 8, decimal at u + 16; the fields end 8
# pixels short of the right edge.
type_decimal_copy_base_n() {
  window_geometry
  local u=$((H / 3 - 12))
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
  click_at $((W - 40)) $((u + 16 + u / 2))
  xdotool key ctrl+a
  xdotool type --delay 40 "$1"
  sleep 0.2
  click_at $((W - 40)) $((8 + u / 2)) 3
  xdotool key Down Down Return  # 0に戻す, コピー
  sleep 0.3
  COPIED=$(xclip -o -selection clipboard)
}

# Closes the window as a user would (Alt+F4) and waits, briefly, for the
# program to end; with "error" first dismisses the message box that a failed
# save shows. Sets EXIT_STATUS.
close_nodri() {
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  xdotool key alt+F4
  [ "${1:-}" = error ] && dismiss_message_box
  local tries=0
  while kill -0 "$NODRI_PID" 2>/dev/null; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "nodri did not end after closing its window"
  done
  set +e
  wait "$NODRI_PID"
  EXIT_STATUS=$?
  set -e
  NODRI_PID=""
}

# The colour of one pixel of the screen, as ImageMagick writes it ("#RRGGBB").
pixel() {
  import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n1
}

# The visible top-level windows titled "Nodri", one id a line.
nodri_windows() {
  xdotool search --onlyvisible --name '^Nodri$' 2>/dev/null || true
}

# Waits until a message box (a second "Nodri" window) is shown, and
# dismisses it with Return. Fails when none comes.
dismiss_message_box() {
  local tries=0 box=""
  while [ -z "$box" ]; do
    for id in $(nodri_windows); do
      [ "$id" != "${WINDOW:-}" ] && box=$id
    done
    [ -n "$box" ] && break
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "no message box appeared"
  done
  sleep 0.3
  xdotool windowfocus "$box" 2>/dev/null || true
  xdotool key Return
  sleep 0.3
}
