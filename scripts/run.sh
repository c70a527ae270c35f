#!/bin/sh
# Installs what is missing, builds and starts the program.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ] && [ -z "$QT_QPA_PLATFORM" ]; then
  echo "No display found: orvaneit is a windowed program."
  echo "Start it on a desktop, or on a virtual display with: xvfb-run -a build/bin/orvaneit"
  exit 1
fi
exec build/bin/orvaneit
