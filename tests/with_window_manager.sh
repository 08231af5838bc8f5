#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on the X display with a window manager (openbox) in charge of the
# windows, as on a desktop: frames, title bars, placement and stacking. The window
# manager ends with the command, whose exit status is kept.
set -euo pipefail
log=$(mktemp)
openbox --sm-disable >"$log" 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null || true; wait $manager 2>/dev/null || true; rm -f "$log"' EXIT
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 1 100); do
  managed && break
  sleep 0.1
done
managed || { cat "$log" >&2; echo "the window manager did not start" >&2; exit 1; }
"$@"
