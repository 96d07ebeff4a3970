#!/usr/bin/env bash
# Frame rate, time to first frame, processor time per frame and peak memory of the game against the
# bare engine showing the same frames (recorded from the game once, replayed with no game logic), and of
# the game with its sound against the game without, on a 1024x768 window under Xvfb. The sound plays on
# OpenAL Soft's null device, which mixes everything as a sound card would and throws it away (SOUND_DRIVER
# picks another). Runs alternate bare, game and sound, game and sound taking turns; each ratio is the median of the ratios of
# neighbouring runs, which share the machine's load of the moment.
set -euo pipefail
cd "${BUILD_DIR:-$(dirname "$0")/../build}"
runs=${RUNS:-7}
frames=${FRAMES:-300}
sound_driver=${SOUND_DRIVER:-null}
results=$(mktemp)
track=$(mktemp)
trap 'rm -f "$results" "$track"' EXIT
../scripts/with-xvfb.sh ./corvane_framerate record "$frames" "$track" > /dev/null 2>&1
declare -A figures
for run in $(seq "$runs"); do
  # Game and sound take turns in going first.
  order="bare game sound"
  [ $((run % 2)) -eq 0 ] && order="bare sound game"
  for mode in $order; do
    figures[$mode]=$(ALSOFT_DRIVERS=$sound_driver ../scripts/with-xvfb.sh ./corvane_framerate "$mode" "$frames" "$track" \
      2> /dev/null | grep -E '^(bare|game|sound) ' | cut -d' ' -f2-)
  done
  echo "${figures[bare]} ${figures[game]} ${figures[sound]}" >> "$results"
done
# Columns of a line of $results: start, fps, cpu, memory of bare (1-4), of game (5-8), of sound (9-12).
median() { awk "{print $1}" "$results" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
row() {
  printf '| %s | %s | %s | %s | %.3f | %.3f |\n' "$1" "$(median "\$$2")" "$(median "\$$(($2 + 4))")" \
    "$(median "\$$(($2 + 8))")" "$(median "\$$(($2 + 4)) / \$$2")" "$(median "\$$(($2 + 8)) / \$$(($2 + 4))")"
}
printf '| median of %s runs each | bare engine | game | game with sound | game / bare | sound / game |\n' "$runs"
printf '|---|---|---|---|---|---|\n'
row 'frames per second' 2
row 'time to first frame (s)' 1
row 'processor time per frame, all threads (ms)' 3
row 'peak resident memory (MB)' 4
