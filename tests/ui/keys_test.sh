#!/usr/bin/env bash
# The game keys always reach the game: the real program under Xvfb and openbox, driven with
# xdotool as a child drives it. After the start-up's message boxes, a click on the board and on
# the status strip, a tap on Alt, each menu opened with the mouse and closed with Escape, and each
# dialog (statistics through Alt, Return, Return; tip of the day, about and the news question
# through the Help menu; the workbench by a click on the score; help; options), an arrow, F12 or
# F2 must act on the game at once: the board's yellow numbers show it. The window must also fill
# the screen, fully on it.
#   keys_test.sh PROGRAM
set -uo pipefail
program=$1

for command in Xvfb openbox xdotool import convert; do
  if ! command -v "$command" > /dev/null; then
    echo "skipped: $command is not installed"
    exit 77
  fi
done

source "$(dirname "$0")/window_driver.sh"
fail() {
  echo "FAILED: $*"
  if [[ -n "${KEEP_SHOT:-}" ]]; then import -window root "$KEEP_SHOT" 2> /dev/null; fi
  echo "--- program output ---"
  cat "$work/out" 2> /dev/null
  exit 1
}

start_display || fail "Xvfb did not start"
"$program" > "$work/out" 2>&1 &
program_pid=$!
pids+=("$program_pid")
start_a_game || fail "the start-up did not go as a player sees it"
main=$(active_window)

# The client area: its top left corner on the screen (where the pointer lands when sent to the
# window's 0,0) and its size.
xdotool mousemove --window "$main" 0 0
eval "$(xdotool getmouselocation --shell)"
left=$X top=$Y
read -r width height < <(xdotool getwindowgeometry "$main" | awk '/Geometry/ { split($2, s, "x"); print s[1], s[2] }')
echo "client area ${width}x${height} at $left,$top"
((left == 0 && width == 1280 && top + height == 900 && top < 60)) ||
  fail "the window does not fill the screen: ${width}x${height} at $left,$top"

# Yellow pixels of the board (the path, the entrance, home), the status strip left out.
yellow_pixels() {
  import -window root -crop "${width}x$((height - 70))+$left+$((top + 20))" +repage -depth 8 ppm:- 2> /dev/null |
    convert ppm:- -fill black +opaque "rgb(255,255,0)" -fill white -opaque "rgb(255,255,0)" \
      -format "%[fx:round(mean*w*h)]" info:
}
yellow=$(yellow_pixels)

# Waits (up to 10 s) for the board's yellow to grow (up) or shrink (down).
board_moves() {
  local way=$1 what=$2 now end=$((SECONDS + 10))
  while ((SECONDS < end)); do
    now=$(yellow_pixels)
    if [[ $way == up && $now -gt $yellow ]] || [[ $way == down && $now -lt $yellow ]]; then
      yellow=$now
      echo "ok: $what"
      return 0
    fi
    sleep 0.1
  done
  fail "$what: the game did not answer (yellow $yellow, now $now)"
}

# An arrow picks the cell below the entrance (Down), or takes that pick back (Up), in turn.
picked=0
arrow_acts() {
  if ((picked)); then
    key Up
    board_moves down "$1"
  else
    key Down
    board_moves up "$1"
  fi
  picked=$((1 - picked))
}

# Opens a dialog with the keys or clicks given, checks that it came up, closes it with Escape.
dialog_round_trip() {
  local what=$1
  shift
  "$@"
  next_dialog "$main" > /dev/null || fail "$what did not open"
  key Escape
  main_window || fail "$what: the main window did not get the keyboard back"
}
# Keys typed one after the other, as a hand does, with time for each menu to open.
keys() { key --delay 150 "$@"; }
help_menu() { keys alt Left Return "$@" Return; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

arrow_acts "after the message boxes of the start-up and the first game"
click $((left + width / 2)) $((top + 30)) # the board's top row: takes no pick
arrow_acts "after a click on the board"
click $((left + width - 20)) $((top + height - 20))
arrow_acts "after a click on the status strip"
key alt
key Escape
arrow_acts "after Alt and Escape"

# The menu titles: the columns of dark text in the menu bar.
import -window root -crop "${width}x12+$left+$((top + 3))" +repage png:- 2> /dev/null |
  convert png:- -colorspace gray -scale "${width}x1!" -threshold 85% txt:- > "$work/menubar"
mapfile -t titles < <(awk -F'[,:]' 'NR > 1 && /black|#000000/ { print $1 }' "$work/menubar" |
  awk 'NR == 1 { s = $1; p = $1; next } $1 - p > 8 { print int((s + p) / 2); s = $1 } { p = $1 } END { print int((s + p) / 2) }')
((${#titles[@]} >= 4)) || fail "found ${#titles[@]} menu titles, not 4"
popups() { xdotool search --onlyvisible --class sumburrow 2> /dev/null | wc -l; }
names=(File Game Options Help)
for i in 0 1 2 3; do
  name=${names[i]}
  before=$(popups)
  click $((left + titles[i])) $((top + 9))
  (($(popups) > before)) || fail "the $name menu did not open under the mouse"
  key Escape
  arrow_acts "after the $name menu, opened with the mouse and closed with Escape"
done
xdotool mousemove $((left + width - 20)) $((top + height - 20)) # off the menu bar: Alt starts at File

dialog_round_trip "Statistics (Alt, Return, Return)" keys alt Return Return
arrow_acts "after the statistics"
dialog_round_trip "Tip of the Day" help_menu Down
arrow_acts "after the tip of the day"
dialog_round_trip "About" help_menu Up
arrow_acts "after the about box"
dialog_round_trip "the news question (Escape is No)" help_menu Up Up Up
arrow_acts "after the news question"
dialog_round_trip "the workbench" click $((left + 85)) $((top + height - 20))
arrow_acts "after the workbench"
if [[ -z "$(xdg-mime query default text/html 2> /dev/null)" ]]; then
  dialog_round_trip "How to Play" key F1
  arrow_acts "after the help page"
fi

key alt
key F12
board_moves up "F12 after Alt: the tunnel shows"
dialog_round_trip "the options" key F7
key F2
board_moves down "F2 after the options: a new game"

key alt+F4
for _ in $(seq 100); do kill -0 "$program_pid" 2> /dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2> /dev/null && fail "the program did not end after its window closed"
wait "$program_pid" || fail "the program ended with status $?"
if grep -E "AddressSanitizer|runtime error|Segmentation|QPainter::" "$work/out"; then
  fail "the program reported trouble"
fi
echo "passed"
