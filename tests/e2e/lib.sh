# SPDX-License-Identifier: GPL-3.0-or-later
# Shared steps of the end-to-end tests: the real program, copied from its build folder
# into an empty directory, driven with real X input under Xvfb.
set -euo pipefail

APP_SOURCE=${1:?usage: $0 <folder of the built program>}
WORK=$(mktemp -d)
APP_DIR=$WORK/orvane
APP_PID=
APP_WINDOW=
cp -r "$APP_SOURCE" "$APP_DIR"
# The files an earlier run in the build folder wrote there are not part of the program.
rm -f "$APP_DIR"/*.cfg "$APP_DIR"/History.db* "$APP_DIR"/Orvane.prefs*

fail() {
  echo "FAIL: $*" >&2
  [ -s "$WORK/stderr.log" ] && { echo "--- the program's error output:" >&2; grep -v '^ALSA lib' "$WORK/stderr.log" | tail -n 20 >&2; }
  exit 1
}

# A program still running at the end is asked to end as a session would end it, and
# killed only when it does not within five seconds.
cleanup() {
  if [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null; then
    wait_for_exit 5
    [ "$EXIT_STATUS" = running ] && kill -KILL "$APP_PID" 2>/dev/null
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT

# Starts the program and waits for its window to be mapped.
start_app() {
  launch_app "$@"
  wait_for_main_window
}

# The arguments go to the program.
launch_app() {
  (cd "$WORK" && exec "$APP_DIR/orvane" "$@" >"$WORK/stdout.log" 2>"$WORK/stderr.log") &
  APP_PID=$!
}

# A message box of the start-up: shown before the main window, for which it is marked
# as transient.
startup_box() {
  local window
  for window in $(xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null); do
    xprop -id "$window" WM_TRANSIENT_FOR 2>/dev/null | grep -q 'window id' && { echo "$window"; return 0; }
  done
  return 1
}

startup_box_shown() {
  [ -n "$(startup_box)" ]
}

wait_for_main_window() {
  for _ in $(seq 1 100); do
    APP_WINDOW=$(xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | head -n 1 || true)
    [ -n "$APP_WINDOW" ] && break
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
  done
  [ -n "$APP_WINDOW" ] || fail "no window named Orvane appeared"
  # Without a window manager nothing gives the window the focus by itself.
  xdotool windowfocus --sync "$APP_WINDOW"
  sleep 0.3
  # A window shown is not yet a window drawn: wait for the board's first frame, whose
  # bottom-left cell then differs from the margin beside it (both show the background
  # before it).
  poll_until 5 window_drawn || fail "the window showed no picture"
}

window_drawn() {
  local size height
  size=$(window_size)
  height=${size#*x}
  window_shot "$WORK/drawn.png"
  local margin cell
  { read -r margin; read -r cell; } < <(pixels "$WORK/drawn.png" "1,$((height - 2))" "12,$((height - 12))")
  [ "$cell" != "$margin" ] && [ "$cell" != "0,0,0" ]
}

window_count() {
  xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | wc -l
}

# Client size of the main window as "WIDTHxHEIGHT".
window_size() {
  xwininfo -id "$APP_WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# Keys as typed on the keyboard (XTEST) into the focused program window; the window may
# close on the key, so no window is named for the key itself.
send_keys() {
  xdotool windowfocus --sync "$APP_WINDOW"
  xdotool key "$@"
}

# Waits up to the given seconds for the program to end and sets EXIT_STATUS to its
# exit status, or to "running" when it is still going.
EXIT_STATUS=
wait_for_exit() {
  local seconds=$1
  EXIT_STATUS=running
  for _ in $(seq 1 $((seconds * 10))); do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
      EXIT_STATUS=0
      wait "$APP_PID" || EXIT_STATUS=$?
      APP_PID=
      return 0
    fi
    sleep 0.1
  done
}

# Screenshot of the whole screen cropped to the main window's client area.
window_shot() {
  local out=$1
  local geometry
  geometry=$(xwininfo -id "$APP_WINDOW" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h "+" x "+" y}')
  import -window root -crop "$geometry" +repage "$out"
}

# Colours of points of an image as "R,G,B", one line per "X,Y" argument, read in one go.
pixels() {
  local image=$1 format= point
  shift
  for point in "$@"; do
    format+="%[fx:int(255*p{$point}.r)],%[fx:int(255*p{$point}.g)],%[fx:int(255*p{$point}.b)]\n"
  done
  convert "$image" -format "$format" info:
}

# Colour of one pixel of an image as "R,G,B".
pixel() {
  pixels "$1" "$2,$3"
}

# Sets BOARD_X and BOARD_Y, the board area's top left corner in the window, for the
# beginner layout of the first start: below the menu bar and the status panel.
board_origin() {
  local size
  size=$(window_size)
  BOARD_X=6
  BOARD_Y=$((${size#*x} - 267 + 63))
}

# Clicks a mouse button (default 1, the left) at a point of the window, count times in
# quick succession (default once; 2 is a double click).
click_at() {
  xdotool mousemove --window "$APP_WINDOW" "$1" "$2" click --repeat "${4:-1}" "${3:-1}"
}

# The first three bytes of the settings file beside the program, in hexadecimal ("16 00 01").
settings_bytes() {
  od -An -v -tx1 -N 3 "$APP_DIR/Setup.cfg" | xargs
}

# Runs a command every tenth of a second until it succeeds, for up to the given seconds.
poll_until() {
  local seconds=$1
  shift
  for _ in $(seq 1 $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# A fingerprint of a rectangle ("WIDTHxHEIGHT+X+Y") of an image: equal pictures, equal prints.
region_print() {
  convert "$1" -crop "$2" +repage rgb:- | md5sum | cut -d' ' -f1
}

# The centre of every cell of the first start's 9 x 9 board of 22-pixel cells as "X,Y",
# in reading order (board_origin first).
beginner_cell_centres() {
  local i
  for ((i = 0; i < 81; i++)); do
    echo "$((BOARD_X + i % 9 * 22 + 11)),$((BOARD_Y + i / 9 * 22 + 11))"
  done
}

# The first visible window whose name matches the pattern, the main window left out.
dialog_window() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$APP_WINDOW" | head -n 1
}

dialog_shown() {
  [ -n "$(dialog_window "$1")" ]
}

dialog_gone() {
  [ -z "$(dialog_window "$1")" ]
}

# Waits up to five seconds for a window whose name matches the pattern and gives it the
# focus, so that the next keys go to it.
focus_dialog() {
  poll_until 5 dialog_shown "$1" || fail "no window named $1 appeared"
  xdotool windowfocus --sync "$(dialog_window "$1")"
}
