#!/usr/bin/env bash
# Hears the sound player through a private PulseAudio server with a null sink, recording the
# sink's monitor while the harness plays cues:
#   real_sound_test.sh SOUND_HARNESS SOUND_FOLDER
# An effect and a clip are heard; with the switch off nothing is; the loudest volume position
# against the quietest changes the level by the volume ratio (61440 / 4096 = 15); a damaged clip
# asked for twice is reported once; with no server at all the harness ends normally and plays
# nothing. Exit 77 (skipped) without the tools.
set -euo pipefail

harness=$1
folder=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in pulseaudio pactl pacat parec sox; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (Debian packages pulseaudio pulseaudio-utils sox)"
    exit 77
  fi
done

# shellcheck source=private_pulse.sh
source "$here/private_pulse.sh"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/sumburrow-sound.XXXXXX")
failures=0

cleanup() {
  local status=$?
  if ((status != 0)); then show_private_pulse_log; fi
  stop_private_pulse
  rm -rf "$scratch"
}
trap cleanup EXIT

check() {  # check WHAT CONDITION...
  local what=$1
  shift
  if "$@"; then
    echo "ok:   $what"
  else
    echo "FAIL: $what"
    failures=$((failures + 1))
  fi
}

# record NAME STEP...: the harness's sound, as heard on the sink, into $scratch/NAME.wav
record() {
  local name=$1
  shift
  parec -d nul.monitor --latency-msec=20 --channels=1 --file-format=wav "$scratch/$name.wav" &
  local recorder=$!
  sleep 0.3
  local status=0
  timeout 30 "$harness" --folder "$folder" "$@" >"$scratch/$name.out" 2>"$scratch/$name.err" ||
    status=$?
  sleep 0.3
  kill -INT "$recorder" 2>/dev/null || echo "the recorder had stopped by itself" >>"$scratch/$name.err"
  wait "$recorder" || true
  check "the harness playing $name ends normally (status $status)" test "$status" -eq 0
}

peak() {  # the largest absolute sample of a recording, 0 .. 1
  sox "$scratch/$1.wav" -n stat 2>&1 | awk '
    /^Maximum amplitude/ { max = $3 } /^Minimum amplitude/ { min = -$3 }
    END { printf "%.6f\n", (max > min ? max : min) + 0 }'
}

rms() {
  sox "$scratch/$1.wav" -n stat 2>&1 | awk '/^RMS +amplitude/ { v = $3 } END { printf "%.6f\n", v + 0 }'
}

above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
between() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }

start_private_pulse
keep_sink_running

record effect OK --wait 900
check "the harness found the server's output" grep -q "output: yes" "$scratch/effect.out"
check "the harness loaded every effect" bash -c "! grep -q problem: '$scratch/effect.out'"
check "\"OK\" is heard (peak $(peak effect))" above "$(peak effect)" 0.3

record clip sbStart.mp3 --wait 4800
check "\"sbStart.mp3\" is heard (RMS $(rms clip))" above "$(rms clip)" 0.03

record off --off OK sbStart.mp3 --wait 900
check "with the switch off nothing is heard (peak $(peak off))" between "$(peak off)" 0 0.001

record loud --position 1 OK --wait 900
record quiet --position 15 OK --wait 900
ratio=$(awk -v a="$(peak loud)" -v b="$(peak quiet)" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
check "position 1 against 15 is $ratio times as loud (15 expected)" between "$ratio" 13 17

mkdir "$scratch/damaged"
cp "$folder"/*.wav "$scratch/damaged/"
echo "This is not a sound at all." >"$scratch/damaged/sbStart.mp3"
timeout 30 "$harness" --folder "$scratch/damaged" sbStart.mp3 --wait 300 sbStart.mp3 --wait 300 \
  >"$scratch/damaged.out" 2>"$scratch/damaged.err" || true
reports=$(grep -c "problem: sound/sbStart.mp3 (damaged" "$scratch/damaged.out" || true)
check "a damaged clip asked for twice is reported once ($reports times)" test "$reports" -eq 1

if ((failures > 0)); then
  echo "--- the sound server's log"
  show_private_pulse_log
fi
stop_private_pulse

no_pulse_server
status=0
timeout 30 "$harness" --folder "$folder" OK sbStart.mp3 --wait 500 Wrong --wait 300 \
  >"$scratch/none.out" 2>"$scratch/none.err" || status=$?
check "with no server the harness ends normally (status $status)" test "$status" -eq 0
check "with no server the harness knows it has no output" grep -q "output: no" "$scratch/none.out"

if ((failures > 0)); then
  echo "--- harness messages"
  cat "$scratch"/*.err | grep -v -e mp3float -e "listing codecs" | head -20 || true
  exit 1
fi
