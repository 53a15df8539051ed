#!/usr/bin/env bash
# Starts the real program on a virtual X display with its own session bus and
# accessibility bus, then walks it through AT-SPI with Orca beside it.
# Usage: run_walk.sh <ohmbench>
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
walk=$here/walk_test.py
if ! command -v Xvfb >/dev/null || ! command -v dbus-run-session >/dev/null || \
   ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
  echo "accessibility test needs xvfb, dbus, at-spi2-core and python3-pyatspi (make installs them)" >&2
  exit 1
fi
exec dbus-run-session -- bash -c '
  set -u
  for n in $(seq 90 140); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
  Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
  export DISPLAY=:$n
  for i in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
  sleep 0.5
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR=$(mktemp -d)
  timeout 600 /usr/bin/python3 "$1" "$0"; rc=$?
  kill $bus $xvfb 2>/dev/null; wait 2>/dev/null
  exit $rc
' "$program" "$walk" 2> >(grep -v "Failed to set fd limit" >&2)
