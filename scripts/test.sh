#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless:
# the normal build, the same suite under AddressSanitizer + UndefinedBehaviorSanitizer,
# the Debian package made from that build (installed, run, removed), and a short run of each
# file-reader fuzzer and of the draw-table reader's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh packaging
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== normal build and tests"
scripts/configure-build.sh
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== the Debian package, made from that build"
scripts/package.sh build
scripts/test-package.sh build

echo "== sanitizer build and tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZHREBIKON_SANITIZE=ON \
  -DZHREBIKON_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
# Leak checking is off: the toolkit keeps process-lifetime caches that are not ours to free.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== fuzzing the file readers and the draw-table reader"
fuzz_seconds=${ZHREBIKON_FUZZ_SECONDS:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZHREBIKON_FUZZ=ON -DZHREBIKON_BUILD_UI=OFF -DZHREBIKON_BUILD_TESTS=OFF -DZHREBIKON_BUILD_BENCH=OFF
cmake --build build-fuzz -j"$jobs"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$corpus/draw" "$corpus/options" "$corpus/table"
build-fuzz/fuzz/fuzz_make_corpus "$corpus/draw" "$corpus/options" "$corpus/table"
build-fuzz/fuzz/fuzz_draw_file -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus/draw"
build-fuzz/fuzz/fuzz_options_file -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus/options"
build-fuzz/fuzz/fuzz_draw_table -max_total_time="$fuzz_seconds" -timeout=10 -print_final_stats=1 "$corpus/table"
mkdir -p "$corpus/tickets"
printf '# Жребикон: набор билетов 6 из 49\nцена 2,50\nвыигрыш 3 300\n3 12 18 27 34 41\n' \
  > "$corpus/tickets/set.tickets"
printf 'n1;n2;n3;n4;n5;n6\r\n3;12;18;27;34;41\r\n1;2;3;4;5;6\r\n' > "$corpus/tickets/table.csv"
build-fuzz/fuzz/fuzz_ticket_file -max_total_time="$fuzz_seconds" -timeout=10 -print_final_stats=1 "$corpus/tickets"
echo "== all tests passed"
