# SPDX-License-Identifier: GPL-3.0-or-later
# Random clicks, drags and keys in each of the three modes: the program keeps running and
# ends cleanly. A question or name prompt that an input brings up (giving up a two-player
# game, renaming a player) is answered with Escape. Keys that open the other modal windows
# (F1, F6, Ctrl+A, Ctrl+H) and change the mode (F9, F10, F11) are left out.
source "$(dirname "$0")/lib.sh"

RANDOM=20261207
keys=(F2 F3 F4 F5 1 2 3 KP_1 ctrl+s ctrl+1 ctrl+2 ctrl+3 ctrl+4 ctrl+5
      alt+1 alt+2 alt+3 alt+4 alt+5 alt+6 alt+7 space Return a z Escape)

# Any window other than the main one is a question or prompt: Escape answers No or Cancel.
answered=0
answer_dialogs() {
  local dialog
  dialog=$(dialog_window '.' || true)
  [ -z "$dialog" ] && return 0
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool key Escape
  answered=$((answered + 1))
  poll_until 5 dialog_gone '.' || fail "a window stayed open after Escape"
}

start_app
for mode_key in F9 F10 F11; do
  send_keys "$mode_key"
  for _ in $(seq 1 70); do
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
    answer_dialogs
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during random input after $mode_key"
  done
done

[ "$(window_count)" -eq 1 ] || fail "expected only the main window, found $(window_count) windows"
send_keys alt+F4
wait_for_exit 30
[ "$EXIT_STATUS" = "0" ] || fail "the program did not end cleanly: $EXIT_STATUS"
echo "PASS ($answered questions and prompts answered)"
