#!/usr/bin/env bash
# Installs the Debian packages Morvane needs to build, run and test, when
# any of them is missing (with sudo when not root).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wine
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick x11-utils openbox util-linux desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
