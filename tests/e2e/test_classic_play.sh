# Classic play with the real mouse: every click on a closed cell opens it, opening a mine
# loses the game (the exploded mine shows red, the face changes) and is counted in the
# score file, and a double click on the finished board starts a new, closed board.
source "$(dirname "$0")/lib.sh"

CELL=22
COLUMNS=9
CELLS=81

start_app
board_origin
# The middle of the face on its button, 24 pixels below the status panel's top.
FACE=24x24+93+$((BOARD_Y - 63 + 24))

# Points at an offset inside every cell, in reading order.
cell_points() {
  local i
  for ((i = 0; i < CELLS; i++)); do
    echo "$((BOARD_X + i % COLUMNS * CELL + $1)),$((BOARD_Y + i / COLUMNS * CELL + $1))"
  done
}
mapfile -t CENTRES < <(cell_points $((CELL / 2)))
# An exploded mine is red up to its cell's corners, where no digit reaches.
mapfile -t CORNERS < <(cell_points 2)

# Takes a screenshot into LOOK (every cell's centre colour) and EXPLODED (the cell whose
# corner is red, or -1).
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
}

closed_count() {
  local n=0 colour
  for colour in "${LOOK[@]}"; do [ "$colour" = "$CLOSED" ] && n=$((n + 1)); done
  echo $n
}

all_closed() {
  [ "$(closed_count)" -eq $CELLS ]
}

face() {
  convert "$WORK/board.png" -crop "$FACE" +repage rgb:- | md5sum
}

# The clicked cell no longer looks closed, and the game is back from the pressed button's
# surprised face: going on (the face of the start), lost or won (nothing closed is left).
settled_after_click() {
  [ "${LOOK[cell]}" != "$CLOSED" ] &&
    { [ "$(face)" = "$START_FACE" ] || [ $EXPLODED -ne -1 ] || [ "$(closed_count)" -eq 0 ]; }
}

# Waits up to two seconds for a condition on the board.
await() {
  for _ in $(seq 1 20); do
    read_board
    "$1" && return 0
    sleep 0.1
  done
  return 1
}

# A double click on a finished board gives a new board, closed everywhere; the click that
# completes the double click must not open a cell of it, also a few frames later.
new_board_by_double_click() {
  click_at "$((BOARD_X + 4 * CELL + 11))" "$((BOARD_Y + 4 * CELL + 11))" 1 2
  await all_closed || fail "a double click on the finished board left $(closed_count) closed cells"
  sleep 0.3
  read_board
  all_closed || fail "the double click opened a cell of the new board"
  [ "$(face)" = "$START_FACE" ] || fail "the face did not return to its look at the start"
}

read_board
CLOSED=${LOOK[0]}
START_FACE=$(face)
all_closed || fail "the first board is not closed everywhere"
[ $EXPLODED -eq -1 ] || fail "red in a corner of a closed cell"

# Click the cells still closed in reading order until one of them is a mine. The first
# click may flood-open much of the board; a board with nothing closed left is won.
lost=
for game in 1 2 3; do
  for ((cell = 0; cell < CELLS; cell++)); do
    [ "${LOOK[cell]}" = "$CLOSED" ] || continue
    click_at "${CENTRES[cell]%,*}" "${CENTRES[cell]#*,}"
    await settled_after_click || fail "a click on closed cell $cell did not open it"
    if [ $EXPLODED -ne -1 ]; then
      [ $EXPLODED -eq $cell ] || fail "cell $cell was clicked but cell $EXPLODED exploded"
      lost=$cell
      break 2
    fi
  done
  [ "$(closed_count)" -eq 0 ] || fail "no mine hit, yet $(closed_count) cells still look closed"
  new_board_by_double_click
done
[ -n "$lost" ] || fail "three boards in a row were won without hitting a mine"
[ "$(face)" != "$START_FACE" ] || fail "the face did not change when the game was lost"

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
cell=0
click_at "${CENTRES[cell]%,*}" "${CENTRES[cell]#*,}"
await settled_after_click || fail "the first click on the new board did not open its cell"
echo "PASS"
