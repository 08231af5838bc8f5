# SPDX-License-Identifier: GPL-3.0-or-later
# A quit signal while the name box of a new high score is open ends the program at once
# with exit status 0: the row is stored with the name the box holds, the score file stays
# whole, and no high-score window opens after it.
source "$(dirname "$0")/lib.sh"

cp "${ORVANE_FIXED_MINES:?the program with fixed mines}" "$APP_DIR/orvane"
start_app
board_origin
mapfile -t CENTRES < <(beginner_cell_centres)
# The middle opens every safe cell but the bottom right one, which wins the game.
click_at "${CENTRES[40]%,*}" "${CENTRES[40]#*,}"
sleep 0.3
click_at "${CENTRES[80]%,*}" "${CENTRES[80]#*,}"
focus_dialog '^Enter New Hi-Score Name:$'
xdotool type --delay 20 'Quitter'
kill -s TERM "$APP_PID"
wait_for_exit 30
[ "$EXIT_STATUS" = 0 ] || fail "SIGTERM during the name box: the program is $EXIT_STATUS"
scores=$APP_DIR/Orvane.cfg
[ "$(stat -c %s "$scores")" -eq 1968 ] || fail "Orvane.cfg is $(stat -c %s "$scores") bytes"
LC_ALL=C grep -q 'Quitter' "$scores" || fail "the name in the box was not stored"
echo "PASS"
