#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need; skips what is there. Installing
# takes root: run as another user, it names what is missing and stops.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libogre-1.12-dev ogre-1.12-tools libois-dev libx11-dev libxi-dev libxfixes-dev libopenal-dev libopenal1
  libasound2-dev
  xvfb xauth libgl1-mesa-dri x11-utils xdotool openbox xterm
  fonts-dejavu-core imagemagick sox
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream dpkg-dev file lintian
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages; install them as root, then run this again:" >&2
  echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
