#!/usr/bin/env bash
# Runs a command on a private virtual display that the X server picks itself (safe in parallel).
set -u
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$fifo" 2> /dev/null &
server=$!
read -r -t 10 number < "$fifo"
rm -f "$fifo"
if [ -z "${number:-}" ]; then
  echo "with-xvfb: the virtual display did not start" >&2
  kill "$server" 2> /dev/null
  exit 1
fi
DISPLAY=":$number" "$@"
status=$?
kill "$server" 2> /dev/null
wait "$server" 2> /dev/null
exit "$status"
