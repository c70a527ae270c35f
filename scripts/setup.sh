#!/bin/sh
# Installs what the build, the program and the tests need, when missing.
set -e
packages="qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3 cmake ninja-build g++ fonts-nanum
 xvfb xauth cups libcups2-dev printer-driver-cups-pdf poppler-utils"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends $missing
fi
