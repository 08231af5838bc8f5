# SPDX-License-Identifier: GPL-3.0-or-later
# Without OpenGL the program says so in a message box titled "Orvane" and, once it is
# dismissed, ends with a non-zero status instead of running on without its drawing areas.
source "$(dirname "$0")/lib.sh"

export QT_XCB_GL_INTEGRATION=none
start_app
size=$(window_size)
[ "${size#*x}" -lt 267 ] || fail "expected a message box, found a window of $size"
send_keys Return
wait_for_exit 10
[ "$EXIT_STATUS" != "running" ] || fail "the program kept running after the message"
[ "$EXIT_STATUS" -ne 0 ] || fail "the program ended with status 0 although it could not draw"
echo "PASS"
