# SPDX-License-Identifier: GPL-3.0-or-later
# Two copies of the program, each from a folder of its own, play one network game with
# the real mouse and keys: one hosts from the Game menu's dialog, the other finds the game
# on the local network and joins it; the joining one is killed mid-game, started again,
# takes its seat back by itself, and the game is played to its end, which both keep in
# their history.
source "$(dirname "$0")/lib.sh"

HOST_DIR=$APP_DIR
GUEST_DIR=$WORK/guest
cp -r "$HOST_DIR" "$GUEST_DIR"
GUEST_PID=
trap 'kill "$GUEST_PID" 2>/dev/null || true; cleanup' EXIT

# Each copy writes its own log: a failure shows both.
fail() {
  echo "FAIL: $*" >&2
  local copy
  for copy in host guest; do
    [ -s "$WORK/$copy.log" ] && { echo "--- the $copy's output:" >&2; grep -v '^ALSA lib' "$WORK/$copy.log" | tail -n 20 >&2; }
  done
  exit 1
}

main_window_of() {
  local window
  for window in $(xdotool search --onlyvisible --name '^Orvane' 2>/dev/null); do
    [ "$(xdotool getwindowpid "$window" 2>/dev/null)" = "$1" ] && { echo "$window"; return 0; }
  done
  return 1
}

# Starts a copy from its folder and waits for its window; sets STARTED_PID and STARTED_WINDOW.
start_copy() {
  (cd "$WORK" && exec "$1/orvane" >>"$WORK/$2.log" 2>&1) &
  STARTED_PID=$!
  poll_until 10 main_window_of "$STARTED_PID" >/dev/null || fail "the $2's window did not appear"
  STARTED_WINDOW=$(main_window_of "$STARTED_PID")
}

# The Network Game dialog of a window, with the name typed in.
open_dialog() {
  xdotool windowfocus --sync "$1"
  xdotool key ctrl+n
  poll_until 5 dialog_shown '^Network Game$' || fail "the Network Game dialog did not open"
  DIALOG=$(dialog_window '^Network Game$')
  xdotool windowfocus --sync "$DIALOG"
  xdotool type --delay 20 "$2"
}

title_of() {
  xdotool getwindowname "$1" 2>/dev/null
}

start_copy "$HOST_DIR" host
APP_PID=$STARTED_PID
HOST=$STARTED_WINDOW
xdotool windowmove "$HOST" 0 0
open_dialog "$HOST" Ann
xdotool key Return
poll_until 10 eval '[[ "$(title_of "$HOST")" == *"you are Ann (Player 1)"* ]]' ||
  fail "hosting did not start: title '$(title_of "$HOST")'"

start_copy "$GUEST_DIR" guest
GUEST_PID=$STARTED_PID
GUEST=$STARTED_WINDOW
xdotool windowmove "$GUEST" 700 0
open_dialog "$GUEST" Bob
# The host's game shows in the list of games found on the local network: its first row,
# double clicked, joins it.
eval "$(xdotool getwindowgeometry --shell "$DIALOG")"
sleep 2
xdotool mousemove "$((X + 60))" "$((Y + 175))" click --repeat 2 --delay 80 1
poll_until 10 eval '[[ "$(title_of "$GUEST")" == *"you are Bob (Player 2)"* ]]' ||
  fail "joining did not work: title '$(title_of "$GUEST")'"

# The centre of a cell of a window's 9 x 9 board of 22-pixel cells, which lies at the
# bottom of the window whatever the status area above it holds.
cell_centre() {
  local window=$1 cell=$2 height
  height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
  echo "$((6 + cell % 9 * 22 + 11)) $((height - 6 - 198 + cell / 9 * 22 + 11))"
}

click_cell() {
  local at
  at=$(cell_centre "$1" "$2")
  xdotool mousemove --window "$1" ${at% *} ${at#* } click 1
  sleep 0.12
}

history_rows() {
  python3 - "$1/History.db" <<'PY'
import sqlite3, sys
try:
    print(sqlite3.connect(sys.argv[1]).execute("select count(*) from games").fetchone()[0])
except Exception:
    print(0)
PY
}

# Each cell is clicked in both windows: only the player to move is heard.
play_cells() {
  local cell
  for ((cell = $1; cell < $2; cell++)); do
    click_cell "$HOST" "$cell"
    click_cell "$GUEST" "$cell"
  done
}

play_cells 0 12
# The joining copy dies without a word, and is started again: it takes its seat back.
kill -KILL "$GUEST_PID"
wait "$GUEST_PID" 2>/dev/null || true
start_copy "$GUEST_DIR" guest
GUEST_PID=$STARTED_PID
GUEST=$STARTED_WINDOW
xdotool windowmove "$GUEST" 700 0
poll_until 10 eval '[[ "$(title_of "$GUEST")" == *"you are Bob (Player 2)"* ]]' ||
  fail "the joining copy did not take its seat back: title '$(title_of "$GUEST")'"

play_cells 0 81
poll_until 10 eval '[ "$(history_rows "$HOST_DIR")" -ge 1 ] && [ "$(history_rows "$GUEST_DIR")" -ge 1 ]' ||
  fail "the game's end was not kept by both copies"
echo "PASS: two copies found each other, played a network game to its end and took a seat back"
