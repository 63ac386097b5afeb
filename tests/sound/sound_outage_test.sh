#!/usr/bin/env bash
# The real program keeps playing, and ends when asked, while its sound output comes and goes, as
# on a desktop: a private PulseAudio server under Xvfb with openbox, the game driven with keys.
#   1. the headset it started on is unplugged (another output remains), then effects: the window
#      still answers, and the effect is heard on the output that is left;
#   2. the server stops while the game is quiet, then a clip (Solve); the server comes back on
#      the same socket and the next clip (a new game) is heard;
#   3. the server crashes during a clip, then an effect;
# each ends with Alt+F4, and the program must be gone within a second (LIMIT; a sanitizer build
# needs longer for its own checks at the end), with status 0. A normal start prints nothing.
#   sound_outage_test.sh PROGRAM [LIMIT]
set -uo pipefail
program=$1
limit=${2:-1}
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb openbox xdotool pulseaudio pactl pacat parec sox; do
  if ! command -v "$tool" > /dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

source "$here/../ui/window_driver.sh"
# shellcheck source=private_pulse.sh
source "$here/private_pulse.sh"
trap 'stop_private_pulse; cleanup' EXIT

fail() {
  echo "FAILED: $*"
  echo "--- program output ---"
  cat "$work/out" 2> /dev/null
  echo "--- sound server log ---"
  show_private_pulse_log
  exit 1
}

start_display || fail "Xvfb did not start"
start_private_pulse || fail "the sound server did not start"
keep_sink_running || fail "the null sink does not render"

program_pid=""
start_program() {
  "$program" > "$work/out" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  start_a_game || fail "the start-up did not go as a player sees it"
  sleep 0.5
  [[ ! -s "$work/out" ]] || fail "a normal start printed something"
}

alive() { kill -0 "$program_pid" 2> /dev/null || fail "the program died $*"; }

# Alt+F4, then the program must end within the limit, cleanly.
close_program() {
  alive "before its window was closed"
  local start=$EPOCHREALTIME took
  xdotool key --clearmodifiers alt+F4
  while kill -0 "$program_pid" 2> /dev/null; do
    took=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f", b - a }')
    awk -v t="$took" -v limit="$limit" 'BEGIN { exit !(t > limit) }' &&
      fail "the program did not end within $limit s of Alt+F4"
    sleep 0.02
  done
  took=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f", b - a }')
  wait "$program_pid"
  local code=$?
  ((code == 0)) || fail "the program ended with status $code"
  echo "  ended ${took} s after Alt+F4"
  if grep -E "AddressSanitizer|runtime error|Segmentation" "$work/out"; then
    fail "the program reported trouble"
  fi
}

# record NAME KEY...: the keys pressed while the null sink "nul" is recorded; prints the peak.
record() {
  local name=$1
  shift
  parec -d nul.monitor --latency-msec=20 --channels=1 --file-format=wav "$work/$name.wav" &
  local recorder=$!
  sleep 0.3
  for k in "$@"; do key "$k"; done
  sleep 2.5
  kill -INT "$recorder" 2> /dev/null
  wait "$recorder" 2> /dev/null
  sox "$work/$name.wav" -n stat 2>&1 | awk '/^Maximum amplitude/ { max = $3 } /^Minimum amplitude/ { min = -$3 }
    END { printf "%.4f\n", (max > min ? max : min) + 0 }'
}
heard() { awk -v p="$1" 'BEGIN { exit !(p > 0.005) }'; }

echo "1. the headset unplugged, then effects"
plug_headset || fail "no headset sink"
start_program
unplug_headset || fail "could not unplug the headset"
peak=$(record unplugged Down Down Down)
alive "when effects followed the unplugged headset"
echo "  the effect on the output left: peak $peak"
heard "$peak" || fail "the effect was not heard on the output that was left"
close_program

echo "2. the server stops while the game is quiet, then a clip; it comes back"
start_program
sleep 4.5  # the start clip has ended
kill_private_pulse TERM || fail "could not stop the sound server"
key F12
sleep 1
alive "when a clip followed the server's stop"
restart_private_pulse || fail "the sound server did not start again"
keep_sink_running || fail "the null sink does not render after the restart"
peak=$(record restarted F2)
alive "when the server came back"
echo "  the new game's clip after the restart: peak $peak"
heard "$peak" || fail "the clip was not heard once the server was back"
close_program

echo "3. the server crashes during a clip, then an effect"
start_program
kill_private_pulse KILL || fail "could not crash the sound server"
key Down
key Down
key Down
sleep 0.5
alive "when an effect followed the server's crash during a clip"
close_program
restart_private_pulse || fail "the sound server did not start again"
echo "passed"
