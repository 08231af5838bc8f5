# Two hundred random clicks, drags and keys in Classic: the program keeps running, shows
# no other window, and ends cleanly. Keys that open modal windows (Escape,
# F1, F6, Ctrl+A, Ctrl+H) and the two-player modes (whose face asks a question) are left
# out so that nothing waits for an answer.
source "$(dirname "$0")/lib.sh"

RANDOM=20261207
keys=(F2 F3 F4 F5 F9 1 2 3 KP_1 ctrl+s ctrl+1 ctrl+2 ctrl+3 ctrl+4 ctrl+5
      alt+1 alt+2 alt+3 alt+4 alt+5 alt+6 alt+7 space Return a z)

start_app
for _ in $(seq 1 200); do
  size=$(window_size)
  width=${size%x*}
  height=${size#*x}
  case $((RANDOM % 6)) in
    0 | 1 | 2)
      click_at $((RANDOM % width)) $((RANDOM % height)) $((RANDOM % 3 + 1)) ;;
    3)
      click_at $((RANDOM % width)) $((RANDOM % height)) 1 2 ;;
    4)
      # A drag that may end up to 20 pixels outside the window.
      eval "$(xdotool getwindowgeometry --shell "$APP_WINDOW")"
      xdotool mousemove --window "$APP_WINDOW" $((RANDOM % width)) $((RANDOM % height)) mousedown 1 \
        mousemove $((X + RANDOM % (width + 40) - 20)) $((Y + RANDOM % (height + 40) - 20)) mouseup 1 ;;
    5)
      send_keys "${keys[RANDOM % ${#keys[@]}]}" ;;
  esac
  kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during random input"
done

[ "$(window_count)" -eq 1 ] || fail "expected only the main window, found $(window_count) windows"
send_keys alt+F4
wait_for_exit 10
[ "$EXIT_STATUS" = "0" ] || fail "the program did not end cleanly: $EXIT_STATUS"
echo "PASS"
