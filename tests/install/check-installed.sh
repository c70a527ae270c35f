#!/bin/sh
# Installs the build into a temporary prefix and validates the desktop entry
# and the AppStream metadata. Then starts the installed program offscreen with
# a fresh home and presses "시작": the address book and its folder in the
# user's data folder must be owner-only, and nothing may be written into the
# prefix.
# Usage: check-installed.sh BUILD_DIR PLUGIN_DIR
set -e
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid"; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
prefix=$work/prefix
cmake --install "$1" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/orvaneit.desktop"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
for icon in scalable/apps/orvaneit.svg 48x48/apps/orvaneit.png 256x256/apps/orvaneit.png; do
  [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "icon $icon was not installed"
done
[ -s "$prefix/share/orvaneit/title.jpg" ] || fail "the start picture was not installed"
listing() { (cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort); }
listing >"$work/before"

data=$work/data
book=$data/orvaneit/orvaneit.mdb
mkdir -m 700 "$work/runtime"
HOME=$work/home XDG_DATA_HOME=$data XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen \
  QT_PLUGIN_PATH=$2 QT_QPA_GENERIC_PLUGINS=pressstart "$prefix/bin/orvaneit" &
pid=$!
tables() {
  [ -s "$book" ] && sqlite3 -readonly "$book" \
    "select count(*) from sqlite_master where name in ('customer', 'personal')" 2>/dev/null
}
for i in $(seq 1 150); do
  [ "$(tables)" = 2 ] && break
  kill -0 "$pid" || fail "the installed program ended before it made its address book"
  sleep 0.2
done
[ "$(tables)" = 2 ] || fail "no address book with both tables at $book"
[ "$(stat -c %a "$data/orvaneit")" = 700 ] || fail "$data/orvaneit is not owner-only"
[ "$(stat -c %a "$book")" = 600 ] || fail "$book is not owner-only"
# orvaneit-data beside it finds the same book: it backs it up while the
# program holds it, and refuses to import into it.
data_tool() {
  HOME=$work/home XDG_DATA_HOME=$data "$prefix/bin/orvaneit-data" "$@"
}
data_tool backup "$work/copy.mdb" || fail "orvaneit-data could not back up $book"
[ "$(sqlite3 -readonly "$work/copy.mdb" .dump)" = "$(sqlite3 -readonly "$book" .dump)" ] ||
  fail "the backup holds other data than $book"
printf '이름\n가\n' >"$work/one.csv"
data_tool import "$work/one.csv" && fail "orvaneit-data imported into a book the program holds"
kill "$pid" && wait "$pid" || true
pid=""
listing >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the program wrote into its installed folder"
