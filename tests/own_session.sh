# SPDX-License-Identifier: GPL-3.0-or-later
# A program started as a desktop session of its own: under a private D-Bus session bus
# (dbus-run-session), so that no bus is launched on the side and left running; with
# XDG_RUNTIME_DIR in a folder of the test's, where the services that bus starts keep
# their files (the document portal mounts itself there); and in a process group of its
# own, which end_session ends whole, bus and services included.

SESSION_AS=()
SESSION_PID=

# start_session RUNTIME_DIR [-u NAME]... [NAME=VALUE]... PROGRAM [ARGUMENT]...
# Starts the program in the background with those changes to its environment, as the
# user SESSION_AS (a command prefix such as "setpriv ...", empty for this one), and sets
# SESSION_PID, which is also the session's process group.
start_session() {
  local runtime=$1
  shift
  local settings=()
  while [ "$1" = -u ] || [[ $1 == *=* ]]; do
    [ "$1" = -u ] && { settings+=("$1"); shift; }
    settings+=("$1")
    shift
  done
  setsid "${SESSION_AS[@]}" env -u DBUS_SESSION_BUS_ADDRESS "${settings[@]}" \
    XDG_RUNTIME_DIR="$runtime" dbus-run-session -- "$@" &
  SESSION_PID=$!
}

# end_session RUNTIME_DIR: ends every process of the session, and takes away what its
# services left mounted under RUNTIME_DIR so that the folder can be removed.
end_session() {
  local runtime=$1 mount
  if [ -n "$SESSION_PID" ] && kill -TERM -- "-$SESSION_PID" 2>/dev/null; then
    for _ in $(seq 1 50); do
      pgrep -g "$SESSION_PID" >/dev/null || break
      sleep 0.1
    done
    kill -KILL -- "-$SESSION_PID" 2>/dev/null || true
  fi
  SESSION_PID=
  while read -r _ mount _; do
    case $mount in
    "$runtime"/*) fusermount3 -uz "$mount" 2>/dev/null || fusermount -uz "$mount" 2>/dev/null ||
      umount -l "$mount" 2>/dev/null || true ;;
    esac
  done </proc/self/mounts
}
