# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up and idle cost of the program beside a bare Qt window, as one table: start-up to
# the first mapped window (the X server's map event; median of RUNS, the two programs
# alternated in one run), the CPU share of one core while nobody touches an Expert board
# (Classic with the clock running, Vs Human, Vs Computer on the player's turn), and the
# memory in the Classic state (RSS / PSS). Run under Xvfb:
#   xvfb-run -a -s '-screen 0 1600x1200x24' bench/start_and_idle.sh build/app build/bench [runs] [seconds]
source "$(dirname "$0")/../tests/e2e/lib.sh"
source "$(dirname "$0")/idle_lib.sh"
BENCH=${2:?usage: $0 <folder of the built program> <folder of the benchmarks> [runs] [seconds]}
RUNS=${3:-9}
MEASURED=${4:-10}

read -r start bare_start < <("$BENCH/orvane_bench_startup" "$RUNS" "$APP_DIR/orvane" -- \
  "$BENCH/orvane_bare_window" 640 480 | awk '/^program/ {p = $3} /^bare/ {b = $4} END {print p, b}')
rm -f "$APP_DIR"/*.cfg

cpu=()
for state in classic_expert_22 vshuman_expert_22 vscomputer_expert_22; do
  start_app
  state_keys "$state"
  read -r share rss <<<"$(measure "$APP_PID")"
  cpu+=("$share")
  if [ "$state" = classic_expert_22 ]; then
    memory="$rss / $(pss_mib "$APP_PID")"
    size=$(window_size)
  fi
  stop_app
done

"$BENCH/orvane_bare_window" "${size%x*}" "${size#*x}" &
bare=$!
sleep 1
read -r bare_cpu bare_rss <<<"$(measure "$bare")"
bare_memory="$bare_rss / $(pss_mib "$bare")"
kill "$bare"
wait "$bare" 2>/dev/null || true

printf '| program | start-up to the first mapped window, median of %s | idle CPU %%, Classic Expert, clock running | Vs Human | Vs Computer | RSS / PSS MiB |\n' "$RUNS"
printf '|---|---|---|---|---|---|\n'
printf '| Orvane | %s ms | %s | %s | %s | %s |\n' "$start" "${cpu[0]}" "${cpu[1]}" "${cpu[2]}" "$memory"
printf '| bare Qt window | %s ms | %s | - | - | %s |\n' "$bare_start" "$bare_cpu" "$bare_memory"
