#!/usr/bin/env bash
# Installs what Nutrava needs, builds it, prepares the working directory and
# runs the whole test suite: once as built for use, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets for a
# short while each.
#   ./test.sh            everything
#   ./test.sh --fast     only the plain build's tests
set -euo pipefail
cd "$(dirname "$0")"
fast=0
[ "${1:-}" = "--fast" ] && fast=1
./tools/install-deps.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
jobs=$(nproc)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release
katalog=${NUTRAVA_KATALOG:-$HOME/Nutrava}
NUTRAVA_BUILD=$PWD/build/release ./tools/prepare-workdir "$katalog"
(cd build/release && ctest --output-on-failure -j "$jobs")
(cd build/release && ./bench/nutrava_bench --benchmark_min_time=0.01 > /dev/null)

[ $fast = 1 ] && exit 0

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUTRAVA_SANITIZE=ON \
      -DNUTRAVA_BENCH=OFF
cmake --build build/sanitize
(cd build/sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j "$jobs")

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DNUTRAVA_FUZZ=ON -DNUTRAVA_TESTS=OFF -DNUTRAVA_BENCH=OFF
cmake --build build/fuzz --target fuzz_all
for f in build/fuzz/fuzz/fuzz_*; do
  [ -f "$f" ] && [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus=fuzz/corpus/$name
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus/." "$work/"
  echo "fuzzing $name"
  ASAN_OPTIONS=detect_leaks=0 "$f" -max_total_time="${NUTRAVA_FUZZ_SEKUNDER:-20}" \
     -rss_limit_mb=2048 -print_final_stats=0 "$work" > "$work.log" 2>&1 || {
       tail -40 "$work.log"; echo "$name hittade ett fel"; exit 1; }
  rm -rf "$work" "$work.log"
done
echo "Alla tester gick igenom."
