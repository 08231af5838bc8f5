# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts from a copy of its folder in an empty directory, shows exactly one
# window named "Orvane", and ends cleanly when that window is closed.
source "$(dirname "$0")/lib.sh"

start_app
[ "$(window_count)" -eq 1 ] || fail "expected one Orvane window, found $(window_count)"
kill -0 "$APP_PID" || fail "the program is not running"

send_keys alt+F4
wait_for_exit 30
[ "$EXIT_STATUS" = "0" ] || fail "the program did not end cleanly after its window was closed: $EXIT_STATUS"
if grep -qiE 'AddressSanitizer|runtime error' "$WORK/stderr.log"; then
  cat "$WORK/stderr.log" >&2
  fail "sanitizer report at shutdown"
fi
echo "PASS"
