# SPDX-License-Identifier: GPL-3.0-or-later
# The program speaks the desktop's language: started in German, its dialogs have German
# titles.
source "$(dirname "$0")/lib.sh"

LANGUAGE=de LANG=de_DE.UTF-8 launch_app
wait_for_main_window
send_keys F6
poll_until 5 dialog_shown '^Benutzerdefinierte Spielfeldgr' ||
  fail "the custom size dialog did not show in German"
echo "PASS"
