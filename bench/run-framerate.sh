#!/usr/bin/env bash
# Frame rate, time to first frame, processor time per frame and peak memory of the game against the
# bare engine showing the same frames (recorded from the game once, replayed with no game logic), on a
# 1024x768 window under Xvfb. Runs alternate bare and game; each ratio is the median of the ratios of
# neighbouring runs, which share the machine's load of the moment.
set -euo pipefail
cd "${BUILD_DIR:-$(dirname "$0")/../build}"
runs=${RUNS:-7}
frames=${FRAMES:-300}
results=$(mktemp)
track=$(mktemp)
trap 'rm -f "$results" "$track"' EXIT
../scripts/with-xvfb.sh ./corvane_framerate record "$frames" "$track" > /dev/null 2>&1
for _ in $(seq "$runs"); do
  pair=""
  for mode in bare game; do
    pair+="$(../scripts/with-xvfb.sh ./corvane_framerate "$mode" "$frames" "$track" 2> /dev/null | grep -E '^(bare|game) ' | cut -d' ' -f2-) "
  done
  echo "$pair" >> "$results"
done
# Columns of a line of $results: bare start, fps, cpu, memory, then game start, fps, cpu, memory.
median() { awk "{print $1}" "$results" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
row() { printf '| %s | %s | %s | %.3f |\n' "$1" "$(median "\$$2")" "$(median "\$$(($2 + 4))")" "$(median "\$$(($2 + 4)) / \$$2")"; }
printf '| median of %s runs each | bare engine | game | game / bare |\n|---|---|---|---|\n' "$runs"
row 'frames per second' 2
row 'time to first frame (s)' 1
row 'processor time per frame, all threads (ms)' 3
row 'peak resident memory (MB)' 4
