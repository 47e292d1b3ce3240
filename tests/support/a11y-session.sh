#!/bin/sh
# Runs a test program on a private X server with an accessibility bus, as a
# screen reader's desktop has: Qt then delivers accessibility events.
# Call it inside dbus-run-session. Exits 77 (skipped) when a tool is missing.
#   a11y-session.sh PROGRAM [ARGS...]
launcher=/usr/libexec/at-spi-bus-launcher
for tool in xvfb-run Xvfb; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "SKIP: $launcher is not installed"; exit 77; }
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || { echo "SKIP: no session bus"; exit 77; }
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $bus 2>/dev/null' EXIT
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0 \
  xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' "$@"
