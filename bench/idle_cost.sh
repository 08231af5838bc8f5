# SPDX-License-Identifier: GPL-3.0-or-later
# The program's cost while nobody touches it: for each state, the CPU share of one core
# (CPU seconds of all its threads per wall second) and the resident memory over a
# measured stretch, beside a bare window of the same size that only sleeps, measured
# in the same run. Run under Xvfb:
#   xvfb-run -a -s '-screen 0 1600x1200x24' bench/idle_cost.sh build/app build/bench/orvane_bare_window [seconds]
source "$(dirname "$0")/../tests/e2e/lib.sh"
source "$(dirname "$0")/idle_lib.sh"
BARE=${2:?usage: $0 <folder of the built program> <bare window program> [seconds]}
MEASURED=${3:-10}

printf '%-26s %12s %9s %12s %9s\n' state "CPU %" "RSS MiB" "bare CPU %" "bare MiB"
for state in classic_beginner_22 classic_expert_22 classic_expert_36 vshuman_beginner_22 \
  vscomputer_expert_36 vshuman_expert_36_flags; do
  start_app
  state_keys "$state"
  read -r cpu rss <<<"$(measure "$APP_PID")"
  size=$(window_size)
  stop_app
  "$BARE" "${size%x*}" "${size#*x}" &
  bare=$!
  sleep 1
  read -r bcpu brss <<<"$(measure "$bare")"
  kill "$bare"
  wait "$bare" 2>/dev/null || true
  printf '%-26s %12s %9s %12s %9s\n' "$state" "$cpu" "$rss" "$bcpu" "$brss"
done
