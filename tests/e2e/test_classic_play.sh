# SPDX-License-Identifier: GPL-3.0-or-later
# Classic play with the real mouse: every click on a closed cell opens it, opening a mine
# loses the game (the exploded mine shows red, the face changes) and is counted in the
# score file, and a double click on the finished board starts a new, closed board.
source "$(dirname "$0")/lib.sh"

CELLS=81

start_app
board_origin
# The middle of the face on its button, 24 pixels below the status panel's top.
FACE=24x24+93+$((BOARD_Y - 63 + 24))
mapfile -t CENTRES < <(beginner_cell_centres)
# An exploded mine is red up to two pixels from its cell's corner, where no digit reaches.
CORNERS=()
for point in "${CENTRES[@]}"; do CORNERS+=("$((${point%,*} - 9)),$((${point#*,} - 9))"); done

# Takes a screenshot into LOOK (every cell's centre colour), EXPLODED (the cell whose
# corner is red, or -1) and FACE_PRINT.
read_board() {
  window_shot "$WORK/board.png"
  local colours i r g
  mapfile -t colours < <(pixels "$WORK/board.png" "${CENTRES[@]}" "${CORNERS[@]}")
  LOOK=("${colours[@]:0:CELLS}")
  EXPLODED=-1
  for ((i = 0; i < CELLS; i++)); do
    IFS=, read -r r g _ <<<"${colours[CELLS + i]}"
    if ((r > 200 && g < 80)); then EXPLODED=$i; fi
  done
  FACE_PRINT=$(region_print "$WORK/board.png" "$FACE")
}

# A fresh screenshot, then a condition on it.
shows() {
  read_board
  "$@"
}

closed_count() {
  local n=0 colour
  for colour in "${LOOK[@]}"; do
    if [ "$colour" = "$CLOSED" ]; then n=$((n + 1)); fi
  done
  echo $n
}

all_closed() {
  [ "$(closed_count)" -eq $CELLS ]
}

face_changed() {
  [ "$FACE_PRINT" != "$START_FACE" ]
}

# The clicked cell no longer looks closed, and the game is back from the pressed button's
# surprised face: going on (the face of the start), lost or won (nothing closed is left).
settled_after_click() {
  [ "${LOOK[cell]}" != "$CLOSED" ] &&
    { ! face_changed || [ $EXPLODED -ne -1 ] || [ "$(closed_count)" -eq 0 ]; }
}

new_board_shown() {
  all_closed && ! face_changed
}

click_cell() {
  cell=$1
  click_at "${CENTRES[cell]%,*}" "${CENTRES[cell]#*,}"
  poll_until 2 shows settled_after_click || fail "a click on closed cell $cell did not open it"
}

# A double click on a finished board gives a new board, closed everywhere; the click that
# completes the double click must not open a cell of it, also a few frames later.
new_board_by_double_click() {
  click_at "${CENTRES[40]%,*}" "${CENTRES[40]#*,}" 1 2
  poll_until 2 shows new_board_shown ||
    fail "after a double click on the finished board $(closed_count) of $CELLS cells look closed" \
      "and the face is $(face_changed && echo "not ")the one of the start"
  sleep 0.3
  read_board
  all_closed || fail "the double click opened a cell of the new board"
}

read_board
CLOSED=${LOOK[0]}
START_FACE=$FACE_PRINT
all_closed || fail "the first board is not closed everywhere"
[ $EXPLODED -eq -1 ] || fail "red in a corner of a closed cell"

# Click the cells still closed in reading order until one of them is a mine. The first
# click may flood-open much of the board; a board with nothing closed left is won.
lost=
for game in 1 2 3; do
  for ((next = 0; next < CELLS; next++)); do
    [ "${LOOK[next]}" = "$CLOSED" ] || continue
    click_cell $next
    if [ $EXPLODED -ne -1 ]; then
      [ $EXPLODED -eq $next ] || fail "cell $next was clicked but cell $EXPLODED exploded"
      lost=$next
      break 2
    fi
  done
  [ "$(closed_count)" -eq 0 ] || fail "game $game: no mine hit, yet $(closed_count) cells still look closed"
  new_board_by_double_click
done
[ -n "$lost" ] || fail "three boards in a row were won without hitting a mine"
# The status area may show the loss a frame after the board.
poll_until 2 shows face_changed || fail "the face did not change when the game was lost"

# The loss is counted at once: games lost of the first table, in the statistics block at
# the end of the score file (six records of two little-endian 32-bit counters).
scores=$APP_DIR/Orvane.cfg
[ -f "$scores" ] || fail "no Orvane.cfg beside the program"
offset=$(($(stat -c %s "$scores") / 8 * 8 - 48 + 4))
read -r b0 b1 b2 b3 < <(od -An -v -tu1 -j $offset -N 4 "$scores")
lost_games=$((b0 + (b1 << 8) + (b2 << 16) + (b3 << 24)))
[ "$lost_games" -eq 1 ] || fail "Orvane.cfg counts $lost_games lost games, expected 1"

new_board_by_double_click
# Nothing of the double click lingers: the next click opens a cell again.
click_cell 0
echo "PASS"
