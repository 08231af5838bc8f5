# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM ends the program while a start-up message box is open, with exit status 0,
# and what start-up had saved stays: here the repaired score file and its damaged copy.
source "$(dirname "$0")/lib.sh"

head -c 700 /dev/zero | tr '\000' '\377' >"$APP_DIR/Orvane.cfg"
cp "$APP_DIR/Orvane.cfg" "$WORK/damaged.cfg"
launch_app
poll_until 20 startup_box_shown || fail "no start-up box told of the damaged score file"
kill -s TERM "$APP_PID"
wait_for_exit 30
[ "$EXIT_STATUS" = "0" ] || fail "SIGTERM did not end the program cleanly: $EXIT_STATUS"
cmp -s "$APP_DIR/Orvane.cfg.damaged" "$WORK/damaged.cfg" || fail "the damaged score file was not kept"
[ "$(stat -c %s "$APP_DIR/Orvane.cfg")" = 1968 ] || fail "the repaired score file was lost"
echo "PASS"
