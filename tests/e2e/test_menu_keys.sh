# SPDX-License-Identifier: GPL-3.0-or-later
# Menu shortcuts typed on the keyboard: the level keys resize the window, the block
# size, theme and sound keys rewrite the settings file, F6 makes a custom board, Ctrl+H
# shows the high scores, Ctrl+A shows the About box, and Escape asks before the program
# ends.
source "$(dirname "$0")/lib.sh"

window_width_is() {
  [ "$(window_size | cut -dx -f1)" -eq "$1" ]
}

settings_are() {
  [ "$(settings_bytes)" = "$1" ]
}

start_app
# The first board is Beginner at 22 pixels: 267 pixels below the menu bar.
menu_height=$(($(window_size | cut -dx -f2) - 267))
settings_are "16 00 01" || fail "the first start wrote the settings $(settings_bytes), expected 16 00 01"

for step in "F4 364" "F5 672" "F3 210"; do
  read -r key width <<<"$step"
  send_keys "$key"
  poll_until 5 window_width_is "$width" || fail "after $key the window is $(window_size), expected $width wide"
done

# Each key writes the whole record with its own byte changed.
for step in "ctrl+5 24 00 01" "alt+4 24 03 01" "ctrl+s 24 03 00"; do
  read -r key bytes <<<"$step"
  send_keys "$key"
  poll_until 5 settings_are "$bytes" || fail "after $key the settings are $(settings_bytes), expected $bytes"
done
window_width_is $((9 * 36 + 12)) || fail "the window is $(window_size) at cell size 36"

# Height 5, width 40, mines 10: the board becomes 9 rows by 35 columns of 36 pixels.
send_keys F6
focus_dialog '^Custom Field Size$'
xdotool type 5
xdotool key Tab
xdotool type 40
xdotool key Tab
xdotool type 10
xdotool key Return
poll_until 5 dialog_gone '^Custom Field Size$' || fail "Return left the custom size dialog open"
poll_until 5 window_width_is $((35 * 36 + 12)) || fail "the custom board made the window $(window_size)"
[ "$(window_size | cut -dx -f2)" -eq $((menu_height + 60 + 9 * 36 + 9)) ] ||
  fail "the custom board is not 9 rows high: $(window_size)"

send_keys ctrl+h
focus_dialog '^Hi Scores$'
xdotool key Escape
poll_until 5 dialog_gone '^Hi Scores$' || fail "Escape left the high-score window open"

send_keys ctrl+a
focus_dialog '^About Orvane$'
xdotool key Escape
poll_until 5 dialog_gone '^About Orvane$' || fail "Escape left the About box open"

# The quit question carries the program's name; Return takes its default answer, No.
send_keys Escape
focus_dialog '^Orvane$'
xdotool key Return
poll_until 5 dialog_gone '^Orvane$' || fail "Return left the question open"
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after Escape and No"

send_keys Escape
focus_dialog '^Orvane$'
xdotool key alt+y
wait_for_exit 30
[ "$EXIT_STATUS" = "0" ] || fail "Escape and Yes did not end the program cleanly: $EXIT_STATUS"
echo "PASS"
