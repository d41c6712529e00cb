#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need;
# `scripts/install-deps.sh packaging` also those that making and checking the .deb need.
set -euo pipefail
packages=(
  g++ cmake ninja-build git pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl1-mesa-dev qt6-translations-l10n
  libjpeg62-turbo-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  xvfb xauth x11-utils libx11-dev
  clang libclang-rt-14-dev
)
if [ "${1:-}" = packaging ]; then
  # dpkg-shlibdeps and dpkg-parsechangelog, the package's checkers, what the installed
  # package's triggers run (the MIME database, the menu's cache), and gio to start the
  # installed menu entry as a desktop does.
  packages+=(dpkg-dev lintian desktop-file-utils appstream shared-mime-info gzip libglib2.0-bin)
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
