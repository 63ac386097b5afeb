#!/usr/bin/env bash
# The game through a screen reader's eyes: the program in a real window under Xvfb, in a D-Bus
# session of its own with the accessibility bus running, read with AT-SPI.
#   screen_reader_test.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
for command in dbus-run-session dbus-send Xvfb openbox xdotool; do
  command -v "$command" > /dev/null || { echo "skipped: $command is not installed"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2> /dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }

if [[ "${1:-}" != "--inside" ]]; then
  exec dbus-run-session -- bash "$0" --inside "$program"
fi
program=$2
source "$here/../ui/window_driver.sh"

start_display || { echo "FAILED: Xvfb did not start"; exit 1; }
# The accessibility bus starts on the first request for its address.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  > /dev/null || { echo "FAILED: no accessibility bus"; exit 1; }

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
"$program" > "$work/out" 2>&1 &
pids+=($!)

start_a_game || { echo "FAILED: the start-up did not go as a player sees it"; exit 1; }
sleep 1
/usr/bin/python3 "$here/screen_reader_check.py"
