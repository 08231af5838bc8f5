# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader plays and wins a game: an AT-SPI client on a D-Bus session and
# accessibility bus of this test's own reads the board and plays it through accessible
# actions and keys (screen_reader_client.py).
if [ -z "${ORVANE_OWN_BUS:-}" ]; then
  ORVANE_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
BUS_LAUNCHER=$!
trap 'kill $BUS_LAUNCHER 2>/dev/null; cleanup' EXIT
cp "$ORVANE_FIXED_MINES" "$APP_DIR/orvane"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_app
/usr/bin/python3 "$(dirname "$0")/screen_reader_client.py" "$APP_WINDOW" ||
  fail "the screen reader could not read and win the game"
echo "PASS"
