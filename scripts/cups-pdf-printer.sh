#!/bin/sh
# Starts a CUPS server with a PDF printer queue "PDF" as the default printer,
# for the end-to-end print tests. Pages land in $HOME/PDF. Needs root.
# Usage: cups-pdf-printer.sh start|stop
set -e
pidfile=/run/cups/cupsd.pid
case "$1" in
start)
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    mkdir -p /run/cups
    /usr/sbin/cupsd
    for i in $(seq 1 50); do
      lpstat -r 2>/dev/null | grep -q "is running" && break
      sleep 0.2
    done
  fi
  lpstat -r | grep -q "is running"
  lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E
  lpadmin -d PDF
  lpadmin -p PDF -o pdftops-renderer-default=pdftocairo
  cupsenable PDF
  cupsaccept PDF
  ;;
stop)
  if [ -s "$pidfile" ]; then
    kill "$(cat "$pidfile")" 2>/dev/null || true
  else
    pkill -x cupsd 2>/dev/null || true
  fi
  ;;
*)
  echo "usage: $0 start|stop" >&2
  exit 2
  ;;
esac
