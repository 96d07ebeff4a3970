#!/usr/bin/env bash
# A short scripted session of the real game, driven by real X input on the current display:
# ride, look around, raise the rifle, fire five single shots and a burst, reload, step off, walk,
# quit with Escape. Saves screenshots into the folder given as the first argument, and the session's
# sound beside them as session.wav, through OpenAL Soft's wave writer.
set -euo pipefail
shots=${1:?usage: demo-session.sh SCREENSHOT_FOLDER}
mkdir -p "$shots"
cd "$(dirname "$0")/../build"

sound_conf=$(mktemp)
trap 'rm -f "$sound_conf"' EXIT
printf '[wave]\nfile=%s\n' "$shots/session.wav" > "$sound_conf"
ALSOFT_DRIVERS=wave ALSOFT_CONF="$sound_conf" ./corvane > /dev/null &
game=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Corvane$' 2> /dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done

shot() { sleep 0.3; import -window "$window" "$shots/$1.png"; echo "  $shots/$1.png"; }
move() { xdotool mousemove_relative -- "$1" "$2"; }

echo "Screenshots:"
sleep 2; shot 1-riding
for _ in $(seq 30); do move 30 0; sleep 0.05; done    # look right, out of the loop
sleep 1; shot 2-looking-out
xdotool mousedown 3; sleep 1.2; shot 3-aiming
for _ in $(seq 5); do xdotool click 1; sleep 0.7; done    # five single shots
xdotool mousedown 1; sleep 1.5; shot 4-firing
xdotool mouseup 1; xdotool mouseup 3; sleep 1.5
xdotool key r; sleep 0.6; shot 5-reloading
sleep 1.5
xdotool key u; sleep 0.5
xdotool keydown w; sleep 2; shot 6-walking; xdotool keyup w
xdotool keydown Escape; sleep 0.5; xdotool keyup Escape
status=0
wait "$game" || status=$?
echo "Sound: $shots/session.wav"
echo "The game ended with status $status."
exit "$status"
