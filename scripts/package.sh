#!/bin/sh
# Installs what is missing, builds, makes the Debian package
# build/orvaneit_<version>_<arch>.deb and checks it with lintian.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
cd build
rm -f orvaneit_*.deb
cpack -G DEB
lintian --fail-on error orvaneit_*.deb
