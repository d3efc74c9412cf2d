#!/usr/bin/env bash
# Installs the Debian 12 packages the game and its tests need, when any is missing.
# Needs root, or sudo for apt-get.
set -euo pipefail

packages=(
  g++ cmake make pkg-config python3
  qt6-base-dev qt6-tools-dev qt6-l10n-tools libsdl2-dev libmpg123-dev libmp3lame-dev
  libxcb1-dev libxcb-shm0-dev libgtest-dev libbenchmark-dev libx11-dev
  fonts-wine fonts-liberation2
  xvfb xauth xdotool x11-utils imagemagick openbox weston xwayland qt6-wayland
  alsa-utils lame sox
  desktop-file-utils appstream
  dpkg-dev debhelper fakeroot lintian devscripts file ccache
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo: apt-get needs it." >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
