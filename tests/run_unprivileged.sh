#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests that need file permissions to bite, in a desktop session of their own.
# Root ignores permissions, so under root the test program is copied to a place everyone
# can read and run as "nobody".
set -euo pipefail
source "$(dirname "$0")/own_session.sh"
program=$1
filter=$2
place=$(mktemp -d)
trap 'end_session "$place/runtime"; rm -rf "$place"' EXIT
chmod 755 "$place"
mkdir -m 700 "$place/runtime"
if [ "$(id -u)" -eq 0 ]; then
  cp "$program" "$place/tests"
  chmod 755 "$place/tests"
  program=./tests
  chown 65534:65534 "$place/runtime"
  SESSION_AS=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
cd "$place"
start_session "$place/runtime" "$program" --gtest_filter="$filter" >"$place/output.log" 2>&1
status=0
wait "$SESSION_PID" || status=$?
cat "$place/output.log"
[ "$status" -eq 0 ] || exit "$status"
# Skips would hide exactly what this run is for: count them as failures.
if [ "$(id -u)" -eq 0 ] && grep -q '\[  SKIPPED \]' "$place/output.log"; then
  echo "a permission test was skipped although it ran without privileges" >&2
  exit 1
fi
