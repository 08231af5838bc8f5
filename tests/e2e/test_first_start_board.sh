# SPDX-License-Identifier: GPL-3.0-or-later
# On first start the window is sized for a closed 9 x 9 board of 22-pixel cells in the
# default theme, below a menu bar and the status area.
source "$(dirname "$0")/lib.sh"

start_app
size=$(window_size)
width=${size%x*}
height=${size#*x}
menu=$((height - 267))
[ "$width" -eq 210 ] || fail "window is $width pixels wide, expected 210"
[ "$menu" -ge 15 ] && [ "$menu" -le 40 ] || fail "window is $height high: not 267 plus a menu bar"

window_shot "$WORK/shot.png"
board_top=$((menu + 63))
# Every cell of the board looks the same: closed, 22 pixels apart in both directions.
for cell in 0 1 4 8; do
  x=$((6 + cell * 22 + 11))
  y=$((board_top + cell * 22 + 11))
  [ "$(pixel "$WORK/shot.png" $x $y)" = "$(pixel "$WORK/shot.png" 17 $((board_top + 11)))" ] ||
    fail "cell $cell,$cell does not look like a closed cell"
done
# A closed cell's face is grey tinted by the default theme's cell colour (228/255).
IFS=, read -r r g b <<<"$(pixel "$WORK/shot.png" 17 $((board_top + 11)))"
[ "$r" -ge 170 ] && [ "$r" -le 215 ] && [ "$r" = "$g" ] && [ "$g" = "$b" ] ||
  fail "closed cell colour $r,$g,$b is not the default theme's grey"
# Beside the board the status area shows the default theme's background, 210,210,195.
[ "$(pixel "$WORK/shot.png" 1 $((board_top + 100)))" = "210,210,195" ] ||
  fail "status area colour is $(pixel "$WORK/shot.png" 1 $((board_top + 100)))"
echo "PASS"
