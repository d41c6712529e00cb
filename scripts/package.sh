#!/usr/bin/env bash
# Builds the Debian package dist/zhrebikon_VERSION_amd64.deb and checks it with lintian.
#   scripts/package.sh             from a clean build, made anew in build-package/ with
#                                  Debian's compiler flags (dpkg-buildflags, all hardening)
#   scripts/package.sh BUILD-DIR   from a build folder already configured, such as build/
#                                  (the test suite's; CI packs what it has just tested)
# The package is made by CPack from the project's install rules (packaging/Package.cmake).
# Install it with:  apt install ./dist/zhrebikon_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 1 ]; then
  echo "usage: scripts/package.sh [BUILD-DIR]" >&2
  exit 2
fi
scripts/install-deps.sh packaging

if [ $# -eq 1 ]; then
  build="$1"
  if [ ! -f "$build/CPackConfig.cmake" ]; then
    echo "$build is not a configured build folder" >&2
    exit 2
  fi
  # Only what the package holds; a test suite configured in the same folder is left alone.
  cmake --build "$build" --target Zhrebikon
else
  build=build-package
  rm -rf "$build"
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DZHREBIKON_BUILD_UI=ON -DZHREBIKON_BUILD_TESTS=OFF -DZHREBIKON_BUILD_BENCH=OFF \
      -DZHREBIKON_SANITIZE=OFF -DZHREBIKON_FUZZ=OFF
  cmake --build "$build" -j"$(nproc)" --target Zhrebikon
fi

# Files in the package get the time of the newest changelog entry, not the time of the build.
SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l packaging/debian/changelog -STimestamp)"
export SOURCE_DATE_EPOCH
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package"
mkdir -p dist
rm -f dist/zhrebikon_*.deb
cp "$build"/package/zhrebikon_*.deb dist/
deb="$(ls dist/zhrebikon_*.deb)"

echo "== lintian $deb"
lintian --display-info --pedantic --fail-on error "$deb"
echo "== $deb: $(stat -c %s "$deb") bytes, installed $(dpkg-deb -f "$deb" Installed-Size) KiB"
