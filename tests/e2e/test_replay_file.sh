# SPDX-License-Identifier: GPL-3.0-or-later
# A replay file named on the command line opens in the replay window beside the main
# window; a second copy of the program given the same file with one byte changed says so in
# a box and goes on, while the first copy keeps playing.
source "$(dirname "$0")/lib.sh"

"${ORVANE_WRITE_REPLAY:?the replay writer}" "$WORK/won.orvreplay" || fail "no replay file was written"

start_app "$WORK/won.orvreplay"
# The title names the player and when the game was played.
poll_until 10 dialog_shown '^Replay – Ada, ' || fail "the replay window did not open"

cp "$WORK/won.orvreplay" "$WORK/changed.orvreplay"
printf '\x55' | dd of="$WORK/changed.orvreplay" bs=1 seek=30 conv=notrunc status=none
(cd "$WORK" && exec "$APP_DIR/orvane" --replay "$WORK/changed.orvreplay" >"$WORK/second.log" 2>&1) &
SECOND_PID=$!
# Two main windows and the second copy's box, all named Orvane.
poll_until 20 eval '[ "$(window_count)" -eq 3 ]' || fail "no box told of the changed file"
box=$(xdotool search --onlyvisible --name '^Orvane$' | while read -r window; do
  xprop -id "$window" WM_TRANSIENT_FOR 2>/dev/null | grep -q 'window id' && echo "$window"
done | head -n 1)
[ -n "$box" ] || fail "the second copy's message is no box of its window"
xdotool windowfocus --sync "$box"
xdotool key Return
poll_until 5 eval '[ "$(window_count)" -eq 2 ]' || fail "the box did not close on Return"
kill -0 "$SECOND_PID" 2>/dev/null || fail "the second copy ended after the box"
kill -TERM "$SECOND_PID"
for _ in $(seq 1 300); do kill -0 "$SECOND_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$SECOND_PID" 2>/dev/null && fail "the second copy did not end on SIGTERM"
dialog_shown '^Replay – Ada, ' || fail "the first copy's replay window closed"

send_keys alt+F4
wait_for_exit 30
[ "$EXIT_STATUS" = "0" ] || fail "the program did not end cleanly: $EXIT_STATUS"
echo "PASS"
