#!/usr/bin/env bash
# Builds and starts the game. Without a display it plays on a virtual one for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd build
if [ -n "${DISPLAY:-}" ]; then
  exec ./corvane
fi
echo "No display: running the game on a virtual display for 10 seconds."
status=0
timeout 10 xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" ./corvane > /dev/null || status=$?
[ "$status" -eq 124 ] && status=0
exit "$status"
