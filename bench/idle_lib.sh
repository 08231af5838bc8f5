# SPDX-License-Identifier: GPL-3.0-or-later
# Shared steps of the cost benchmarks: the program's CPU share and memory while nobody
# touches it, and the states it is put in. Sourced after tests/e2e/lib.sh.
TICKS=$(getconf CLK_TCK)

cpu_ticks() {
  # Fields after the command name: utime and stime are the 12th and 13th of them.
  sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'
}

rss_mib() {
  awk '/^VmRSS/ {printf "%.0f", $2 / 1024}' "/proc/$1/status"
}

pss_mib() {
  awk '/^Pss:/ {printf "%.0f", $2 / 1024}' "/proc/$1/smaps_rollup"
}

# Prints "CPU% RSS" of a process over the measured stretch.
measure() {
  local pid=$1 t0 c0 t1 c1
  t0=$(date +%s.%N)
  c0=$(cpu_ticks "$pid")
  sleep "$MEASURED"
  c1=$(cpu_ticks "$pid")
  t1=$(date +%s.%N)
  awk -v c="$((c1 - c0))" -v t0="$t0" -v t1="$t1" -v hz="$TICKS" -v rss="$(rss_mib "$pid")" \
    'BEGIN {printf "%.1f %s", 100 * c / hz / (t1 - t0), rss}'
}

# Top left of the board area in the window: it ends 6 pixels above the bottom.
board_top() {
  local size
  size=$(window_size)
  echo $((${size#*x} - $1 * $2 - 6))
}

click_cell() { # column row rows cellSize
  click_at $((6 + $1 * $4 + $4 / 2)) $(($(board_top "$3" "$4") + $2 * $4 + $4 / 2))
}

# The sound library catches SIGTERM, so the program is ended outright.
stop_app() {
  kill -KILL "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
  rm -f "$APP_DIR"/*.cfg
}

# Each state: keys, then what the mouse does, then a pause for messages to pass.
state_keys() {
  case $1 in
    classic_beginner_22) ;;
    classic_expert_22) send_keys F5 ;;
    classic_expert_36) send_keys F5 ctrl+5 ;;
    vshuman_beginner_22) send_keys F10 ;;
    vscomputer_expert_36) send_keys F5 ctrl+5 F11 ;;
    vshuman_expert_36_flags) send_keys F5 ctrl+5 F10 ;;
    vshuman_expert_22) send_keys F5 F10 ;;
    vscomputer_expert_22) send_keys F5 F11 ;;
  esac
  sleep 1
  case $1 in
    # The clock runs: the first cell is opened.
    classic_beginner_22) click_cell 4 4 9 22 ;;
    classic_expert_*) click_cell 15 8 16 "${1##*_}" ;;
    # A few finds, so that flags of both players wave on the board.
    vshuman_expert_36_flags)
      for i in $(seq 0 39); do click_cell $(((i * 7) % 30)) $(((i * 5) % 16)) 16 36; sleep 0.05; done ;;
  esac
  xdotool mousemove 0 0
  case $1 in
    vs*) sleep 8 ;; # the announcement of a new two-player game slides out
    *) sleep 1 ;;
  esac
}

