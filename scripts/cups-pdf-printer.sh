#!/bin/sh
# Gives the end-to-end print tests a CUPS server with a PDF printer queue
# "PDF" as the default printer (its pages land in $HOME/PDF), a queue
# "Margins12" into the same folder whose driver keeps 12 points of every A4
# sheet's edge unprinted, and a queue "Refusing" that takes no jobs. Needs
# root.
# A server that was already running is used and left running. One started
# here is stopped, by its pid, when the last test run using it is done.
# Usage: cups-pdf-printer.sh start|stop KEY (KEY names the test run)
set -e
pidfile=/run/cups/cupsd.pid
state=/run/orvane-cups
key=$(echo "$2" | md5sum | cut -c1-16)

running() {
  lpstat -r 2>/dev/null | grep -q "is running"
}
fail() {
  echo "CUPS could not start: $*" >&2
  exit 1
}

mkdir -p "$state/users"
exec 9>"$state/lock"
flock 9
case "$1" in
start)
  if ! running; then
    [ "$(id -u)" = 0 ] || fail "cupsd must be started as root"
    [ -x /usr/sbin/cupsd ] || fail "/usr/sbin/cupsd is not installed (package cups)"
    [ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is not installed (package printer-driver-cups-pdf)"
    mkdir -p /run/cups
    /usr/sbin/cupsd || fail "/usr/sbin/cupsd failed"
    touch "$state/started"
    for i in $(seq 1 50); do
      running && break
      sleep 0.2
    done
    running || fail "the scheduler does not answer"
  fi
  lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E || fail "lpadmin cannot add the PDF queue"
  lpadmin -d PDF
  lpadmin -p PDF -o pdftops-renderer-default=pdftocairo
  cupsenable PDF
  cupsaccept PDF
  # The same driver with a printable area 12 points inside the A4 sheet.
  ppd=$state/Margins12.ppd
  sed 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "12 12 583 830"|' \
    /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$ppd"
  grep -q '^\*ImageableArea A4/A4: "12 12 583 830"' "$ppd" || fail "cannot make the Margins12 driver"
  lpadmin -p Margins12 -v cups-pdf:/ -P "$ppd" -E || fail "lpadmin cannot add the Margins12 queue"
  lpadmin -p Margins12 -o pdftops-renderer-default=pdftocairo
  cupsenable Margins12
  cupsaccept Margins12
  # A queue that takes no jobs, for the tests of a refused page.
  lpadmin -p Refusing -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E
  cupsreject Refusing
  touch "$state/users/$key"
  echo "CUPS is running with PDF as the default printer; pages land in $HOME/PDF"
  ;;
stop)
  rm -f "$state/users/$key"
  if [ -e "$state/started" ] && [ -z "$(ls "$state/users")" ]; then
    [ -s "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
    rm -f "$state/started"
    echo "CUPS stopped"
  fi
  ;;
*)
  echo "usage: $0 start|stop KEY" >&2
  exit 2
  ;;
esac
