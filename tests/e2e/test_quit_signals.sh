# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM, SIGINT and SIGHUP end the program as closing its window does, with exit
# status 0, also while a modal window (the About box) is open.
source "$(dirname "$0")/lib.sh"

for signal in TERM INT HUP; do
  start_app
  if [ "$signal" = HUP ]; then
    send_keys ctrl+a
    poll_until 5 dialog_shown '^About Orvane$' || fail "Ctrl+A showed no About box"
  fi
  kill -s "$signal" "$APP_PID"
  wait_for_exit 30
  [ "$EXIT_STATUS" = "0" ] || fail "SIG$signal did not end the program cleanly: $EXIT_STATUS"
done
echo "PASS"
