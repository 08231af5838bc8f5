# Damaged settings and score files: the program starts with safe values, plays, keeps the
# settings file's bytes until a command saves, and ends cleanly.
source "$(dirname "$0")/lib.sh"

# Cell size 0, theme 255, a sound byte of 7, and two stray bytes after the record.
printf '\x00\xff\x07\xaa\xbb' >"$APP_DIR/Setup.cfg"
# A score file of 700 random bytes: too short, with hostile name lengths and numbers.
head -c 700 /dev/urandom >"$APP_DIR/Orvane.cfg"

start_app
[ "$(window_size | cut -dx -f1)" -eq 210 ] || fail "a cell size of 0 was not replaced by 22"
[ "$(od -An -tx1 "$APP_DIR/Setup.cfg" | xargs)" = "00 ff 07 aa bb" ] ||
  fail "the settings file changed before any command saved it"

board_origin
click_at $((BOARD_X + 100)) $((BOARD_Y + 100))
sleep 0.3
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after a click"

send_keys ctrl+s
poll_until 3 test "$(od -An -tx1 "$APP_DIR/Setup.cfg" | xargs)" = "16 00 00 aa bb" ||
  fail "the sounds command wrote $(od -An -tx1 "$APP_DIR/Setup.cfg" | xargs)"

send_keys alt+F4
wait_for_exit 10
[ "$EXIT_STATUS" = "0" ] || fail "the program did not end cleanly: $EXIT_STATUS"
echo "PASS"
