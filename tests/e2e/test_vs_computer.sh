# SPDX-License-Identifier: GPL-3.0-or-later
# "Vs Computer" with the real mouse: the computer takes the first move by itself, its
# pointer glides over the board before a cell opens, and a whole game between random
# clicks and the computer ends with a winner recorded in the score file.
source "$(dirname "$0")/lib.sh"

CELLS=81
TABLE=3 # the two-player Beginner table

start_app
send_keys F11
sleep 0.3
board_origin
mapfile -t CENTRES < <(beginner_cell_centres)
BOARD=198x198+$BOARD_X+$BOARD_Y

# Takes a screenshot into LOOK (every cell's centre colour) and POINTER (where the orange
# arrow of the computer's pointer lies on the board, empty when it is not drawn: the
# pointer shows only while the computer is to move).
read_board() {
  window_shot "$WORK/board.png"
  mapfile -t LOOK < <(pixels "$WORK/board.png" "${CENTRES[@]}")
  POINTER=$(convert "$WORK/board.png" -crop "$BOARD" +repage -fuzz 12% -fill black \
    +opaque 'rgb(250,160,40)' -trim info: 2>/dev/null | awk '$3 != "1x1" {print $4}')
}

closed_cells() {
  local i
  for ((i = 0; i < CELLS; i++)); do
    if [ "${LOOK[i]}" = "$CLOSED" ]; then echo $i; fi
  done
}

# The rows of the table as "NAME WON LOST", one line each.
table_rows() {
  local row bytes
  for ((row = 0; row < 10; row++)); do
    mapfile -t bytes < <(od -An -v -tu1 -j $(((TABLE * 10 + row) * 32)) -N 32 "$APP_DIR/Orvane.cfg" | xargs -n 1)
    local name="" i
    for ((i = 1; i <= bytes[0] && i <= 20; i++)); do name+=$(printf "\\$(printf %o "${bytes[i]}")"); done
    echo "$name $((bytes[24] + (bytes[25] << 8))) $((bytes[28] + (bytes[29] << 8)))"
  done
}

winner_recorded() {
  table_rows | grep -Eq '^(P1|A\.I) 1 '
}

read_board
# The most common centre colour is the closed cell's; the pointer may cover one.
CLOSED=$(printf '%s\n' "${LOOK[@]}" | sort | uniq -c | sort -rn | awk 'NR == 1 {print $2}')

# The computer moves first: a cell opens with no click of ours, and its turn ends.
poll_until 10 eval 'read_board; [ -z "$POINTER" ] && [ "$(closed_cells | wc -l)" -lt $CELLS ]' ||
  fail "the computer did not make the first move"

# The rest of the game: a random closed cell on our turns, the computer on its own.
glided=
last_pointer=
moves=0
deadline=$((SECONDS + 200))
until winner_recorded; do
  ((SECONDS < deadline)) || fail "no decided game after $moves clicks"
  read_board
  if [ -n "$POINTER" ]; then
    if [ -n "$last_pointer" ] && [ "$POINTER" != "$last_pointer" ]; then glided=yes; fi
    last_pointer=$POINTER
    continue
  fi
  last_pointer=
  mapfile -t closed < <(closed_cells)
  ((${#closed[@]} > 0)) || continue
  cell=${closed[RANDOM % ${#closed[@]}]}
  click_at "${CENTRES[cell]%,*}" "${CENTRES[cell]#*,}"
  moves=$((moves + 1))
  poll_until 3 eval 'read_board; [ "${LOOK[cell]}" != "$CLOSED" ]' ||
    fail "a click on closed cell $cell on our turn did not open it"
done
[ -n "$glided" ] || fail "the computer's pointer was never seen at two places in one turn"

# One game was started at this table and its winner holds the table's only win.
rows=$(table_rows)
[ "$(grep -Ec '^(P1|A\.I) 1 ' <<<"$rows")" -eq 1 ] || fail "expected one winner's row, found: $rows"
read -r b0 b1 _ < <(od -An -v -tu1 -j $((1968 - 48 + TABLE * 8)) -N 4 "$APP_DIR/Orvane.cfg")
[ $((b0 + (b1 << 8))) -eq 1 ] || fail "Orvane.cfg counts $((b0 + (b1 << 8))) games started, expected 1"
echo "PASS after $moves clicks: $(grep -E '^(P1|A\.I) 1 ' <<<"$rows")"
