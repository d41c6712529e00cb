#!/usr/bin/env bash
# Configures build/ the one way that scripts/run.sh and scripts/test.sh both use, so that
# running the program after the tests, or the tests after the program, reuses what was built.
# Every option is given, so a build/ configured otherwise before is brought back to it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZHREBIKON_BUILD_UI=ON -DZHREBIKON_BUILD_TESTS=ON -DZHREBIKON_BUILD_BENCH=ON \
  -DZHREBIKON_SANITIZE=OFF -DZHREBIKON_FUZZ=OFF
