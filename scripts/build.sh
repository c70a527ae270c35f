#!/bin/sh
# Configures and builds into build/; the program lands in build/bin.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
