#!/usr/bin/env bash
# Frame rate, time to first frame and peak memory of the game against the bare engine showing
# the same scene, on a 1024x768 window under Xvfb, alternating runs; prints medians and ratios.
set -euo pipefail
cd "$(dirname "$0")/../build"
runs=${RUNS:-3}
frames=${FRAMES:-300}
results=$(mktemp)
for _ in $(seq "$runs"); do
  for mode in bare game; do
    ../scripts/with-xvfb.sh ./corvane_framerate "$mode" "$frames" 2> /dev/null | grep -E '^(bare|game) ' >> "$results"
  done
done
median() { grep "^$1 " "$results" | awk -v c="$2" '{print $c}' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
bare_start=$(median bare 2); game_start=$(median game 2)
bare_fps=$(median bare 3); game_fps=$(median game 3)
bare_mem=$(median bare 4); game_mem=$(median game 4)
printf '| | bare engine | game | game / bare |\n|---|---|---|---|\n'
printf '| frames per second | %s | %s | %.3f |\n' "$bare_fps" "$game_fps" "$(awk "BEGIN {print $game_fps / $bare_fps}")"
printf '| time to first frame (s) | %s | %s | %.3f |\n' "$bare_start" "$game_start" "$(awk "BEGIN {print $game_start / $bare_start}")"
printf '| peak resident memory (MB) | %s | %s | %.3f |\n' "$bare_mem" "$game_mem" "$(awk "BEGIN {print $game_mem / $bare_mem}")"
rm -f "$results"
