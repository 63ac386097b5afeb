#!/usr/bin/env bash
# Runs the sound benchmark against a private PulseAudio null sink (needs pulseaudio,
# pulseaudio-utils; the real-program part also Xvfb, openbox and xdotool):
#   bench/sound/run_sound_bench.sh BUILD_FOLDER [ROUNDS]
# 1. With the output running: the window thread's time in PlayCue and in the shut-down, the first
#    sound after a cue, how much of the start clip is heard.
# 2. After the output has gone (the default output unplugged; the server stopped, crashed, hung):
#    the window thread's time in each call.
# 3. The real program in each of those states: the time from Alt+F4 to the process's end.
set -uo pipefail
build=$1
rounds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
bench="$build/bench/sound/bench_sound"
program="$build/sumburrow"
folder="$here/../../assets/sound"
# shellcheck source=../../tests/sound/private_pulse.sh
source "$here/../../tests/sound/private_pulse.sh"
# shellcheck source=../../tests/ui/window_driver.sh
source "$here/../../tests/ui/window_driver.sh"
resume_server() { [[ -n "$private_pulse_dir" ]] && kill -CONT "$(private_pulse_pid)" 2> /dev/null; }
trap 'resume_server; stop_private_pulse; cleanup' EXIT

# The command that takes the output away in each state.
fault_command() {
  case $1 in
    unplugged) echo "pactl unload-module $headset_module" ;;
    stopped) echo "kill -TERM $(private_pulse_pid)" ;;
    crashed) echo "kill -KILL $(private_pulse_pid)" ;;
    hung) echo "kill -STOP $(private_pulse_pid)" ;;
  esac
}

# A fresh server for each state; "unplugged" starts on a headset made the default.
fresh_server() {
  resume_server
  stop_private_pulse
  start_private_pulse && keep_sink_running || exit 1
  if [[ $1 == unplugged ]]; then plug_headset || exit 1; fi
}

echo "== output running"
fresh_server running
"$bench" --folder "$folder" --rounds "$rounds"

for state in unplugged stopped crashed hung; do
  echo "== output $state"
  fresh_server "$state"
  "$bench" --folder "$folder" --rounds 5 --fault "$(fault_command "$state")"
done

for tool in Xvfb openbox xdotool; do
  command -v "$tool" > /dev/null || { echo "no $tool: the real program is not measured"; exit 0; }
done
start_display || exit 1
# The real program: a game started, the output taken away, an effect and a clip asked for, then
# Alt+F4; prints the seconds to the process's end.
close_time() {
  "$program" > "$work/out" 2>&1 &
  local pid=$!
  start_a_game > /dev/null || { echo "start-up failed"; kill "$pid"; return; }
  [[ $1 == running ]] || bash -c "$(fault_command "$1")"
  sleep 0.3
  key Down
  key Down
  key F2
  sleep 0.5
  local start=$EPOCHREALTIME
  xdotool key --clearmodifiers alt+F4
  for _ in $(seq 1000); do kill -0 "$pid" 2> /dev/null || break; sleep 0.005; done
  awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f", b - a }'
  kill -0 "$pid" 2> /dev/null && { printf " (still running)"; kill -KILL "$pid"; }
  wait "$pid" 2> /dev/null
}
echo "== the real program: seconds from Alt+F4 to the process's end"
for state in running unplugged stopped crashed hung; do
  times=()
  for _ in 1 2 3; do
    fresh_server "$state"
    times+=("$(close_time "$state")")
  done
  echo "$state: ${times[*]}"
done
