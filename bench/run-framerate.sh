#!/usr/bin/env bash
# This build against a build of today's main on the same fixed session of play (corvane_framerate),
# on a 1024x768 window under Xvfb: first the likeness of every saved frame (the frame-rate caption
# hidden), then frame rate, processor time and draw calls per frame. Runs alternate today's build and
# this one; each ratio is the median of the ratios of neighbouring runs, which share the machine's
# load of the moment.
#
# BASE_BUILD names a build folder of today's main holding corvane_framerate built from this tree's
# bench/; without it, one is made in $BUILD_DIR/baseline from commit $BASE_COMMIT.
#
# TURNS=1 plays the two builds at once instead, taking turns frame by frame, so that each pair of
# runs meets the same load of the machine even when it changes by the second.
#
# The cost of the sound: BASE_BUILD=build SOUND=1 compares this build without its sound and with it,
# played on OpenAL Soft's null device, which mixes everything as a sound card would and throws it away
# (SOUND_DRIVER picks another).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${BUILD_DIR:-$here/build}" && pwd)
runs=${RUNS:-5}
frames=${FRAMES:-600}
save_every=${SAVE_EVERY:-10}
base_commit=${BASE_COMMIT:-f386edd}

if [ -z "${BASE_BUILD:-}" ]; then
  source_dir="$build/baseline/source"
  [ -d "$source_dir" ] || git -C "$here" worktree add --detach "$source_dir" "$base_commit" > /dev/null 2>&1
  cp "$here"/bench/* "$source_dir/bench/"
  # That tree has one library for the whole game.
  sed -i 's/corvane_shell/corvane_game/' "$source_dir/bench/CMakeLists.txt"
  cmake -S "$source_dir" -B "$build/baseline/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
  cmake --build "$build/baseline/build" -j2 --target corvane_framerate > /dev/null
  BASE_BUILD="$build/baseline/build"
fi
base=$(cd "$BASE_BUILD" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sound="" columns="today's main | this build | this / today's"
[ -z "${SOUND:-}" ] || sound=sound columns="without sound | with sound | with / without"
export ALSOFT_DRIVERS=${SOUND_DRIVER:-null}
play_in() { local folder=$1; shift; (cd "$folder" && "$here/scripts/with-xvfb.sh" ./corvane_framerate "$@" 2> /dev/null | tail -n 1); }

mkdir "$work/base" "$work/new"
play_in "$base" "$frames" "$work/base" "$save_every" > /dev/null
play_in "$build" "$frames" "$work/new" "$save_every" > /dev/null
read -r compared lowest mean identical worst < <("$build/corvane_compare_frames" "$work/base" "$work/new")

# Both builds at once, the base build given the first turn.
play_turns() {
  mkfifo "$work/base_turn" "$work/new_turn"
  (export TURN_WAIT="$work/base_turn" TURN_PASS="$work/new_turn"; play_in "$base" "$frames" > "$work/base_line") &
  (export TURN_WAIT="$work/new_turn" TURN_PASS="$work/base_turn"; play_in "$build" $sound "$frames" > "$work/new_line") &
  exec 3> "$work/base_turn"
  printf x >&3
  wait
  exec 3>&-
  rm "$work/base_turn" "$work/new_turn"
  echo "$(cat "$work/base_line") $(cat "$work/new_line")"
}

for _ in $(seq "$runs"); do
  if [ -n "${TURNS:-}" ]; then
    play_turns >> "$work/results"
  else
    echo "$(play_in "$base" "$frames") $(play_in "$build" $sound "$frames")" >> "$work/results"
  fi
done
# A line of results holds each build's figures in turn: fps, cpu, draw calls, first frame, then fps
# and cpu of each part of the session (riding, rifle raised, on foot).
width=10
median() { awk "{print $1}" "$work/results" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
row() { printf '| %s | %s | %s | %.3f |\n' "$1" "$(median "\$$2")" "$(median "\$$(($2 + width))")" "$(median "(\$$2 ? \$$(($2 + width)) / \$$2 : 0)")"; }
printf '| median of %s runs each, %s frames | %s |\n|---|---|---|---|\n' "$runs" "$frames" "$columns"
row 'frames per second' 1
row 'processor time per frame, all threads (ms)' 2
row 'draw calls per frame' 3
row 'time to first frame (s)' 4
column=5
for part in 'riding, rifle carried' 'rifle raised, firing, aim swept' 'on foot'; do
  row "$part: frames per second" $column
  row "$part: processor time per frame (ms)" $((column + 1))
  column=$((column + 2))
done
printf '\n| %s frames saved, every %sth | |\n|---|---|\n' "$compared" "$save_every"
printf '| lowest SSIM on luma | %s (%s) |\n| mean SSIM on luma | %s |\n| byte-identical frames | %s |\n' \
  "$lowest" "$worst" "$mean" "$identical"
