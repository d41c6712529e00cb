#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/configure-build.sh
# The program, which is all that `cmake --install build` needs built (the rest it installs is
# in the sources or made when build/ is configured); the tests in the same build/ are left to
# scripts/test.sh.
cmake --build build --target Zhrebikon
exec build/app/Zhrebikon "$@"
