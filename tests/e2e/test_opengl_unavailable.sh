# SPDX-License-Identifier: GPL-3.0-or-later
# Without OpenGL the program says so in a message box titled "Orvane" as soon as its
# window tries to draw and, once it is dismissed, ends with a non-zero status instead of
# running on without its drawing areas.
source "$(dirname "$0")/lib.sh"

export QT_XCB_GL_INTEGRATION=none
(cd "$WORK" && exec "$APP_DIR/orvane" >"$WORK/stdout.log" 2>"$WORK/stderr.log") &
APP_PID=$!
poll_until 10 eval '[ "$(window_count)" -ge 2 ]' || fail "no message box beside the window"
APP_WINDOW=$(xdotool search --onlyvisible --name '^Orvane$' | while read -r w; do
  size=$(xwininfo -id "$w" | awk '/Height:/ {print $2}')
  [ "$size" -lt 267 ] && echo "$w"
done | head -n 1)
[ -n "$APP_WINDOW" ] || fail "none of the windows named Orvane is a message box"
send_keys Return
wait_for_exit 30
[ "$EXIT_STATUS" != "running" ] || fail "the program kept running after the message"
[ "$EXIT_STATUS" -ne 0 ] || fail "the program ended with status 0 although it could not draw"
echo "PASS"
