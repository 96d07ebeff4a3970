#!/usr/bin/env bash
# Builds and starts the game. Without a display it plays a short scripted session on a
# virtual one and saves screenshots in build/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd build
if [ -n "${DISPLAY:-}" ]; then
  exec ./corvane
fi
shots="$PWD/screenshots"
echo "No display: playing a short scripted session on a virtual display."
exec ../scripts/with-xvfb.sh ../scripts/demo-session.sh "$shots"
