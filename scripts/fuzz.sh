#!/bin/sh
# Builds the fuzz targets with clang in build-fuzz/ and runs each one for the
# given number of seconds (60 unless told), on its seed corpus in
# fuzz/corpus/<name>/ and on what earlier runs found (build-fuzz/corpus/).
# A crash, a hang, a leak or a sanitizer report fails the run; the input that
# caused it is left in build-fuzz/crashes/.
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
sh scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DORVANE_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_targets
mkdir -p build-fuzz/crashes
for name in $(cat build-fuzz/fuzz_targets.txt); do
  mkdir -p "build-fuzz/corpus/$name"
  echo "fuzz_$name: $seconds s"
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    "build-fuzz/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$name-" \
    "build-fuzz/corpus/$name" "fuzz/corpus/$name" 2>"build-fuzz/fuzz_$name.log" || {
    tail -60 "build-fuzz/fuzz_$name.log"
    echo "fuzz_$name failed: see build-fuzz/fuzz_$name.log and build-fuzz/crashes/" >&2
    exit 1
  }
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)" \
    "build-fuzz/fuzz_$name.log"
done
