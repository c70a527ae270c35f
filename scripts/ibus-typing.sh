#!/bin/sh
# Runs the typing test through the Korean input method (ibus with
# ibus-hangul) on a virtual X display with the openbox window manager, in a
# home and session bus of its own. Usage: sh scripts/ibus-typing.sh PROGRAM
# Prints "SKIP" and succeeds when a needed tool is not installed.
set -e
if [ "$1" != "--inside" ]; then
    for tool in xvfb-run dbus-run-session openbox ibus-daemon ibus xdotool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 0; }
    done
    grep -qs hangul /usr/share/ibus/component/hangul.xml ||
        { echo "SKIP: ibus-hangul is not installed"; exit 0; }
    program=$(realpath "$1")
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    mkdir -m 700 "$home/run"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- sh "$0" --inside "$program"
    exit
fi
openbox >/dev/null 2>&1 &
wm=$!
ibus-daemon --panel=disable >/dev/null 2>&1 &
daemon=$!
# The daemon takes a moment before it accepts an engine.
tries=0
until ibus engine hangul 2>/dev/null; do
    tries=$((tries + 1))
    [ $tries -lt 50 ] || { echo "ibus did not start"; kill $wm $daemon; exit 1; }
    sleep 0.2
done
status=0
QT_IM_MODULE=ibus QT_QPA_PLATFORM=xcb "$2" || status=$?
kill $wm $daemon
exit $status
