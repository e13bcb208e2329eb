#!/usr/bin/env bash
# Start-up cost of the real nodri window beside a floor: the least a Qt 6
# Widgets program with three line edits costs (bench/floor, target
# startup_floor, built with the same flags). For each program it measures
#   time    from just before the program is started until the X server maps
#           its top-level window (the title "Nodri" or "Floor");
#   memory  its resident set (VmRSS) one second after that.
# One warm-up run of each, then RUNS (7) measured runs, the two programs
# taking turns; it prints every run, the medians and the ratios nodri/floor.
#
# How the time is taken: an X client of our own (xev) listens to the root
# window's structure events on a private Xvfb, and a bash loop stamps each
# MapNotify with $EPOCHREALTIME as xev prints it; the start is stamped the
# same way just before the fork. Both stamps are in microseconds; what they
# add to the truth is a fork before, and a pipe and the scheduling of xev and
# the loop after: well under a millisecond on an idle machine, more when
# other work holds both cores, so compare medians of runs taken together. No
# window manager runs, so "mapped" is the program's own map request taking
# effect, not a frame's decoration. Each program is then ended with SIGTERM
# (nodri closes gracefully on it and saves its settings). nodri's settings
# live in a folder of this run: the warm-up makes them, the measured runs
# read them, as every start after the first does.
#
# Usage: bench/startup.sh [NODRI [FLOOR]]
#   NODRI  the nodri binary (default: $NODRI, else build/window/nodri)
#   FLOOR  the floor binary (default: $FLOOR, else build/bench/startup_floor)
#   RUNS   (environment) measured runs of each, default 7
# Needs Xvfb, xdotool, x11-utils (xev) and coreutils.

set -euo pipefail
export LC_ALL=C  # "." in $EPOCHREALTIME

ROOT=$(cd "$(dirname "$0")/.." && pwd)
NODRI=${1:-${NODRI:-$ROOT/build/window/nodri}}
FLOOR=${2:-${FLOOR:-$ROOT/build/bench/startup_floor}}
RUNS=${RUNS:-7}

for tool in Xvfb xdotool xev stdbuf; do
  command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing" >&2; exit 2; }
done
for program in "$NODRI" "$FLOOR"; do
  [ -x "$program" ] || { echo "startup.sh: no program at $program (build it first)" >&2; exit 2; }
done

WORK=$(mktemp -d)
XVFB_PID=""
XEV_PID=""
STAMPER_PID=""
PROGRAM_PID=""

cleanup() {
  for pid in "$PROGRAM_PID" "$STAMPER_PID" "$XEV_PID" "$XVFB_PID"; do
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  done
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "startup.sh: $*" >&2
  exit 1
}

# An X server of our own, on the first free display.
exec 3<>"$WORK/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for ((tries = 0; tries < 100; tries++)); do
  [ -s "$WORK/display" ] && break
  sleep 0.1
done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
DISPLAY=":$(head -n1 "$WORK/display")"
export DISPLAY
export XDG_CONFIG_HOME="$WORK/config"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The map stamps: one line "MICROSECONDS WINDOW" for every top-level window
# mapped that is not override-redirect (menus and tooltips are). xev prints a
# MapNotify over two lines; the first is stamped, the second names the window.
mkfifo "$WORK/events"
stdbuf -oL xev -root -event substructure >"$WORK/events" 2>/dev/null &
XEV_PID=$!
stamp_maps() {
  local line stamp=""
  while IFS= read -r line; do
    case $line in
      MapNotify*) stamp=${EPOCHREALTIME/./} ;;  # no fork: a builtin
      *" window "*", override NO"*)
        if [ -n "$stamp" ]; then
          line=${line##* window }
          echo "$stamp ${line%%,*}"
        fi
        stamp=""
        ;;
      *) stamp="" ;;
    esac
  done
}
stamp_maps <"$WORK/events" >"$WORK/maps" &
STAMPER_PID=$!
# xev has made its window when it prints its first event; give it a moment.
sleep 0.5

# Runs one program, waits for its window titled TITLE, and sets RUN_US to the
# time to the map and RUN_KB to the resident memory a second later.
measure() {
  local program=$1 title=$2
  local seen map_us="" line window
  # Titles of the windows seen mapped in this run. Not kept across runs: the
  # server hands the next client the same window ids again.
  local -A title_of=()
  seen=$(wc -l <"$WORK/maps")
  local start_us=${EPOCHREALTIME/./}
  "$program" >>"$WORK/program.log" 2>&1 &
  PROGRAM_PID=$!
  for ((tries = 0; tries < 1000; tries++)); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "$program ended before showing its window"
    mapfile -t -s "$seen" lines <"$WORK/maps"
    for line in "${lines[@]}"; do
      window=${line#* }
      if [ -z "${title_of[$window]:-}" ]; then
        title_of[$window]=$(xdotool getwindowname "$window" 2>/dev/null || echo "?")
      fi
      if [ "${title_of[$window]}" = "$title" ]; then
        map_us=${line%% *}
        break
      fi
    done
    [ -n "$map_us" ] && break
    sleep 0.02
  done
  [ -n "$map_us" ] || fail "no window titled $title appeared"
  RUN_US=$((map_us - start_us))

  sleep 1
  RUN_KB=""
  while read -r key value _; do
    [ "$key" = "VmRSS:" ] && RUN_KB=$value
  done <"/proc/$PROGRAM_PID/status"
  [ -n "$RUN_KB" ] || fail "no VmRSS for $program"

  kill -TERM "$PROGRAM_PID"
  for ((tries = 0; tries < 100; tries++)); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$PROGRAM_PID" 2>/dev/null || true
  wait "$PROGRAM_PID" 2>/dev/null || true
  PROGRAM_PID=""
}

ms() {  # microseconds as milliseconds with one decimal
  printf '%d.%d ms' $(($1 / 1000)) $(($1 % 1000 / 100))
}

mib() {  # kilobytes as MiB with one decimal
  printf '%d.%d MiB' $(($1 / 1024)) $(($1 % 1024 * 10 / 1024))
}

median() {
  local sorted
  mapfile -t sorted < <(printf '%s\n' "$@" | sort -n)
  echo "${sorted[$((${#sorted[@]} / 2))]}"
}

ratio() {  # a / b with two decimals, rounded
  local hundredths=$(((200 * $1 / $2 + 1) / 2))
  printf '%d.%02d' $((hundredths / 100)) $((hundredths % 100))
}

report() {  # label program time memory
  printf '%-8s %-6s %10s %12s\n' "$1" "$2" "$(ms "$3")" "$(mib "$4")"
}

echo "nodri: $NODRI"
echo "floor: $FLOOR"
echo "display $DISPLAY (Xvfb, no window manager), $RUNS runs after one warm-up"
printf '%-8s %-6s %10s %12s\n' run program "to map" "VmRSS +1 s"

NODRI_US=() NODRI_KB=() FLOOR_US=() FLOOR_KB=()
for ((run = 0; run <= RUNS; run++)); do
  label=$run
  [ "$run" -eq 0 ] && label=warm-up
  measure "$NODRI" Nodri
  report "$label" nodri "$RUN_US" "$RUN_KB"
  if [ "$run" -gt 0 ]; then NODRI_US+=("$RUN_US") NODRI_KB+=("$RUN_KB"); fi
  measure "$FLOOR" Floor
  report "$label" floor "$RUN_US" "$RUN_KB"
  if [ "$run" -gt 0 ]; then FLOOR_US+=("$RUN_US") FLOOR_KB+=("$RUN_KB"); fi
done

nodri_us=$(median "${NODRI_US[@]}")
nodri_kb=$(median "${NODRI_KB[@]}")
floor_us=$(median "${FLOOR_US[@]}")
floor_kb=$(median "${FLOOR_KB[@]}")
echo
report median nodri "$nodri_us" "$nodri_kb"
report median floor "$floor_us" "$floor_kb"
printf '%-15s %10s %12s\n' "nodri/floor" "$(ratio "$nodri_us" "$floor_us")x" \
  "$(ratio "$nodri_kb" "$floor_kb")x"
