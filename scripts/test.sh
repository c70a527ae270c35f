#!/bin/sh
# Installs what is missing, builds and runs every test; then runs every test
# again in build-sanitize/, built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
(cd build && ctest --output-on-failure)
cmake -S . -B build-sanitize -G Ninja -DORVANE_SANITIZE=ON >/dev/null
cmake --build build-sanitize
cd build-sanitize
ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure
