# SPDX-License-Identifier: GPL-3.0-or-later
# The status area with the real mouse: the right counter stays at "000" until the first
# cell is opened and counts the seconds from then on; a click on the face starts a new
# game, with the board closed everywhere again and the counter back at "000".
source "$(dirname "$0")/lib.sh"

start_app
board_origin
STATUS_Y=$((BOARD_Y - 63)) # the status area's top, right below the menu bar
# The face button spans x 88..122 and y 20..54 of the status area.
FACE_X=105
FACE_Y=$((STATUS_Y + 37))
FACE=29x30+90+$((STATUS_Y + 22))
mapfile -t CENTRES < <(beginner_cell_centres)
FIRST_CELL=40 # the middle of the board

digit_cell() {
  region_print "$1" "14x30+$2+$((STATUS_Y + 15))"
}

# The right counter's three digits, 16 pixels apart from x 152.
right_counter() {
  echo "$(digit_cell "$1" 152) $(digit_cell "$1" 168) $(digit_cell "$1" 184)"
}

shot() {
  window_shot "$WORK/$1.png"
  echo "$WORK/$1.png"
}

# Sets CLOSED_CELLS to the number of cells whose centre looks like a closed cell's.
count_closed() {
  local image colour
  image=$(shot board)
  CLOSED_CELLS=0
  while read -r colour; do
    if [ "$colour" = "$CLOSED" ]; then CLOSED_CELLS=$((CLOSED_CELLS + 1)); fi
  done < <(pixels "$image" "${CENTRES[@]}")
}

first_cell_open() {
  [ "$(pixel "$(shot board)" "${CENTRES[FIRST_CELL]%,*}" "${CENTRES[FIRST_CELL]#*,}")" != "$CLOSED" ]
}

board_closed() {
  count_closed
  [ "$CLOSED_CELLS" -eq 81 ]
}

start=$(shot start)
CLOSED=$(pixel "$start" "${CENTRES[0]%,*}" "${CENTRES[0]#*,}")
START_FACE=$(region_print "$start" "$FACE")
board_closed || fail "the first board shows $CLOSED_CELLS closed cells of 81"

# The left counter shows the ten flags of the beginner board as "010": its first digit
# is a zero picture, unlike its second. The idle clock shows that zero three times.
ZERO=$(digit_cell "$start" 12)
[ "$ZERO" != "$(digit_cell "$start" 28)" ] || fail "the left counter's 0 and 1 look alike"
[ "$(right_counter "$start")" = "$ZERO $ZERO $ZERO" ] || fail "the right counter does not show 000 at the start"
sleep 2
[ "$(right_counter "$(shot idle)")" = "$ZERO $ZERO $ZERO" ] || fail "the clock ran before the first cell was opened"

# The first open starts the clock. A first click that wins the game at once (it can
# flood the whole board) stops the clock too, so then the face gives another board.
for attempt in 1 2 3; do
  click_at "${CENTRES[FIRST_CELL]%,*}" "${CENTRES[FIRST_CELL]#*,}"
  poll_until 3 first_cell_open || fail "a click on the board opened no cell"
  sleep 0.3
  opened=$(shot opened)
  [ "$(region_print "$opened" "$FACE")" = "$START_FACE" ] && break
  [ "$attempt" -lt 3 ] || fail "three first clicks in a row ended the game"
  click_at $FACE_X $FACE_Y
  poll_until 3 board_closed || fail "the face did not give a new board"
done
count_closed
[ "$CLOSED_CELLS" -lt 81 ] || fail "the board still looks closed everywhere after the first click"
running=$(right_counter "$opened")
sleep 2.2
later=$(right_counter "$(shot later)")
[ "$later" != "$running" ] || fail "the right counter did not change in two seconds of play"
[ "$later" != "$ZERO $ZERO $ZERO" ] || fail "the right counter still shows 000 after two seconds of play"

# A click on the face: a new game, closed everywhere, its clock at 000 again.
click_at $FACE_X $FACE_Y
poll_until 3 board_closed || fail "after a click on the face $CLOSED_CELLS of 81 cells look closed"
sleep 1.2
[ "$(right_counter "$(shot new)")" = "$ZERO $ZERO $ZERO" ] || fail "the new game's clock does not show 000"
echo "PASS"
