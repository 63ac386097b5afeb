#!/usr/bin/env bash
# The real program in each language the game speaks, read through the accessibility bus as a
# screen reader reads it: its menus, the options dialog and a message flashed over the board.
# One program run per language; a language whose translation lacks these texts is skipped.
#   language_window_test.sh PROGRAM TRANSLATIONS_FOLDER
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for command in dbus-run-session dbus-send Xvfb openbox xdotool; do
  command -v "$command" > /dev/null || { echo "skipped: $command is not installed"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2> /dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }

if [[ "${1:-}" != "--inside" ]]; then
  program=$1
  translations=$2
  ran=0
  failed=0
  for language in de fr es; do
    ts="$translations/sumburrow_$language.ts"
    if ! /usr/bin/python3 "$here/language_window_check.py" --ready "$ts"; then
      echo "skipped: $language (its translation is not finished yet)"
      continue
    fi
    ran=$((ran + 1))
    dbus-run-session -- bash "$0" --inside "$program" "$ts" "$language" || failed=$((failed + 1))
  done
  [[ $ran -gt 0 ]] || exit 77
  echo "$((ran - failed)) passed, $failed failed"
  [[ $failed -eq 0 ]]
  exit
fi

program=$2
ts=$3
language=$4
source "$here/../ui/window_driver.sh"
start_display || { echo "FAILED: Xvfb did not start"; exit 1; }
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  > /dev/null || { echo "FAILED: no accessibility bus"; exit 1; }
declare -A regions=([de]=DE [fr]=FR [es]=ES)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# The language as a desktop session sets it (the locale itself need not be generated).
LANGUAGE=$language LC_ALL="${language}_${regions[$language]}.UTF-8" "$program" > "$work/out" 2>&1 &
pids+=($!)
start_a_game || { echo "FAILED ($language): the start-up did not go as a player sees it"; exit 1; }
/usr/bin/python3 "$here/language_window_check.py" --check "$ts"
