# SPDX-License-Identifier: GPL-3.0-or-later
# Damaged settings and score files: the program starts with safe values, plays, keeps the
# settings file's bytes until a command saves, and ends cleanly.
source "$(dirname "$0")/lib.sh"

# Cell size 0, theme 255, a sound byte of 7, and two stray bytes after the record.
printf '\x00\xff\x07\xaa\xbb' >"$APP_DIR/Setup.cfg"
# A score file of 700 bytes of 0xFF: too short, every name length 255, every number -1.
head -c 700 /dev/zero | tr '\000' '\377' >"$APP_DIR/Orvane.cfg"

file_bytes() {
  od -An -tx1 "$APP_DIR/Setup.cfg" | xargs
}
file_bytes_are() {
  [ "$(file_bytes)" = "$1" ]
}

# The damaged score file is kept aside and repaired at once, and a start-up box says so.
launch_app
poll_until 20 startup_box_shown || fail "no start-up box told of the damaged score file"
xdotool windowfocus --sync "$(startup_box)"
xdotool key Return
poll_until 5 eval '! startup_box_shown' || fail "the start-up box did not close on Return"
wait_for_main_window
[ -f "$APP_DIR/Orvane.cfg.damaged" ] || fail "the damaged score file was not kept"
[ "$(window_size | cut -dx -f1)" -eq 210 ] || fail "a cell size of 0 was not replaced by 22"
file_bytes_are "00 ff 07 aa bb" ||
  fail "the settings file changed before any command saved it"

board_origin
click_at $((BOARD_X + 100)) $((BOARD_Y + 100))
sleep 0.3
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after a click"

send_keys ctrl+s
poll_until 3 file_bytes_are "16 00 00 aa bb" || fail "the sounds command wrote $(file_bytes)"

send_keys alt+F4
wait_for_exit 30
[ "$EXIT_STATUS" = "0" ] || fail "the program did not end cleanly: $EXIT_STATUS"
echo "PASS"
