#!/bin/sh
# Installs what the build, the program, the tests and the package need, when
# missing. Run by a user who is not root, it installs them through sudo.
set -e
packages="qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3 cmake ninja-build g++ fonts-nanum fonts-unfonts-core
 xvfb xauth cups libcups2-dev printer-driver-cups-pdf poppler-utils qt6-translations-l10n
 glabels-data librsvg2-bin desktop-file-utils appstream dpkg-dev lintian
 ibus ibus-hangul openbox xdotool dbus-daemon libxcb1-dev
 pkgconf libmdb3 mdbtools-dev mdbtools libarchive-dev clang libclang-rt-14-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ]; then
  sudo=""
  echo "Installing:$missing"
elif command -v sudo >/dev/null; then
  sudo="sudo"
  echo "Installing:$missing"
  echo "(through sudo, which may ask for your password)"
else
  echo "Missing:$missing" >&2
  echo "Install them as root: apt-get install$missing" >&2
  exit 1
fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
