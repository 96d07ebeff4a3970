#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need; skips what is there.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libogre-1.12-dev ogre-1.12-tools libois-dev libx11-dev libopenal-dev libopenal1
  xvfb xauth libgl1-mesa-dri x11-utils xdotool
  fonts-dejavu-core imagemagick sox
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream dpkg-dev file
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""; [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
