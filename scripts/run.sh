#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/configure-build.sh
# The program and what `cmake --install build` installs with it; the tests in the same build/
# are left to scripts/test.sh.
cmake --build build --target Zhrebikon zhrebikon_icon
exec build/app/Zhrebikon "$@"
