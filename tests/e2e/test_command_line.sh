# SPDX-License-Identifier: GPL-3.0-or-later
# The command line is read before the display: --help and --version answer and end with
# status 0, a mistake ends with status 2, without needing a display; a start without a
# display ends with status 1 and one plain line saying why.
source "$(dirname "$0")/lib.sh"

run() {
  set +e
  "$@" >"$WORK/out.log" 2>"$WORK/err.log"
  STATUS=$?
  set -e
}

run env -u DISPLAY "$APP_DIR/orvane" --help
[ "$STATUS" -eq 0 ] || fail "--help ended with status $STATUS"
head -n 1 "$WORK/out.log" | grep -qx 'Usage: orvane \[--help | --version | --replay FILE | FILE | --serve \[--port N\]\]' || fail "--help printed: $(cat "$WORK/out.log")"
[ ! -s "$WORK/err.log" ] || fail "--help wrote errors: $(cat "$WORK/err.log")"

run env -u DISPLAY "$APP_DIR/orvane" --version
[ "$STATUS" -eq 0 ] || fail "--version ended with status $STATUS"
head -n 1 "$WORK/out.log" | grep -qE '^Orvane [0-9]+\.[0-9]+$' || fail "--version printed: $(cat "$WORK/out.log")"
grep -q 'version 3 or later' "$WORK/out.log" || fail "--version names no licence"

run env -u DISPLAY -u WAYLAND_DISPLAY "$APP_DIR/orvane" --foo
[ "$STATUS" -eq 2 ] || fail "--foo ended with status $STATUS"
grep -q "unknown option '--foo'" "$WORK/err.log" && grep -q -- "--help" "$WORK/err.log" ||
  fail "--foo was answered: $(cat "$WORK/err.log")"

# A display number no X server here listens on.
absent=4000
while [ -e "/tmp/.X11-unix/X$absent" ]; do absent=$((absent + 1)); done
for display in "" ":$absent"; do
  if [ -z "$display" ]; then
    run env -u DISPLAY -u WAYLAND_DISPLAY "$APP_DIR/orvane"
  else
    run env -u WAYLAND_DISPLAY DISPLAY="$display" "$APP_DIR/orvane"
  fi
  [ "$STATUS" -eq 1 ] || fail "without the display '$display' the program ended with status $STATUS"
  [ "$(grep -cv '^ALSA lib' "$WORK/err.log")" -eq 1 ] && grep -q 'needs a graphical desktop' "$WORK/err.log" ||
    fail "without the display '$display' the program said: $(cat "$WORK/err.log")"
done
echo "PASS"
