#!/usr/bin/env bash
# The real program in a real window, as a player meets it: started under Xvfb with a small window
# manager, the start-up questions answered with keys, a game begun with F2 and a pick made with an
# arrow key. The screen must show the board's gradient, the status strip and yellow numbers; the
# game is given up with F12, which records it; the window is then closed with the window manager's
# Alt+F4 and the program must end cleanly. With a second argument, the statistics record must
# land in that file (under the test's own XDG_DATA_HOME, written as $XDG_DATA_HOME) and nowhere
# in the program's data folder. Without it (a build tree), the record lands beside the program and
# is taken back afterwards, leaving the build's own statistics as they were.
#   real_window_test.sh PROGRAM [STATS_FILE]
set -uo pipefail
program=$1
stats=${2:-}
own_stats=$(dirname "$program")/sb/stats.sb
own_size=$(stat -c %s "$own_stats" 2> /dev/null || echo none)
restore_own_stats() {
  [[ -z "$stats" ]] || return 0
  if [[ $own_size == none ]]; then rm -f "$own_stats"; else truncate -s "$own_size" "$own_stats"; fi
}

for command in Xvfb openbox xdotool import convert; do
  if ! command -v "$command" > /dev/null; then
    echo "skipped: $command is not installed"
    exit 77
  fi
done

source "$(dirname "$0")/window_driver.sh"
fail() {
  echo "FAILED: $*"
  restore_own_stats
  [[ -f "$work/shot.png" ]] && cp "$work/shot.png" "${TMPDIR:-/tmp}/sumburrow-real-window.png" &&
    echo "last screen: ${TMPDIR:-/tmp}/sumburrow-real-window.png"
  echo "--- program output ---"
  cat "$work/out" 2> /dev/null
  exit 1
}

start_display || fail "Xvfb did not start"
"$program" > "$work/out" 2>&1 &
program_pid=$!
pids+=($program_pid)

shot() { import -window root "$work/shot.png" 2> /dev/null; }
# How many pixels of the screen have the colour r,g,b.
pixels() {
  convert "$work/shot.png" -format %c histogram:info:- 2> /dev/null |
    awk -v want="($1,$2,$3)" '{ gsub(/ /, ""); split($0, part, ":"); if (index(part[2], want) == 1) n += part[1] } END { print n + 0 }'
}
start_a_game || fail "the start-up did not go as a player sees it"
key Down
sleep 1.5
shot

status=$(pixels 200 160 243)
yellow=$(pixels 255 255 0)
# The first game's background: red 40 and blue 120 over a falling green.
gradient=0
for green in 100 90 80 70; do gradient=$((gradient + $(pixels 40 "$green" 120))); done
echo "status strip $status px, yellow $yellow px, gradient sample $gradient px"
((status > 20000)) || fail "the status strip is missing"
((yellow > 500)) || fail "no yellow numbers (the entrance and the pick) on the board"
((gradient > 2000)) || fail "the board's gradient is missing"

key F12  # give up: the game goes to the statistics
sleep 1.5
if [[ -n "$stats" ]]; then
  stats=${stats//\$XDG_DATA_HOME/$XDG_DATA_HOME}
  grep -q ",G," "$stats" 2> /dev/null || fail "no record in $stats"
  data=$(dirname "$(dirname "$program")")/share/sumburrow
  [[ ! -e "$data/sb/stats.sb" ]] || fail "the record went into the program's data folder"
  echo "record: $(tail -n 1 "$stats")"
else
  grep -q ",G," "$own_stats" 2> /dev/null || fail "no record in $own_stats"
  echo "record: $(tail -n 1 "$own_stats")"
  restore_own_stats
fi

key alt+F4
for _ in $(seq 100); do kill -0 "$program_pid" 2> /dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2> /dev/null && fail "the program did not end after its window closed"
wait "$program_pid"
code=$?
((code == 0)) || fail "the program ended with status $code"
if grep -E "AddressSanitizer|runtime error|Segmentation|QPainter::" "$work/out"; then
  fail "the program reported trouble"
fi
echo "passed"
