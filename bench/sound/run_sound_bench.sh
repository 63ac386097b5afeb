#!/usr/bin/env bash
# Runs the sound benchmark against a private PulseAudio null sink (needs pulseaudio,
# pulseaudio-utils):
#   bench/sound/run_sound_bench.sh BUILD_FOLDER [ROUNDS]
# First with the sink kept running, as a desktop's output is while anything plays; then how much
# of the start clip each media backend plays when the output is slow to start (a fresh null sink
# renders nothing for about two seconds).
set -euo pipefail
build=$1
rounds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
bench="$build/bench/sound/bench_sound"
folder="$here/../../assets/sound"
# shellcheck source=../../tests/sound/private_pulse.sh
source "$here/../../tests/sound/private_pulse.sh"
trap stop_private_pulse EXIT

quiet() { grep -v -e mp3float -e "listing codecs" || true; }

echo "== output running"
start_private_pulse
keep_sink_running
"$bench" --folder "$folder" --rounds "$rounds" 2>&1 | quiet
stop_private_pulse

for backend in ffmpeg gstreamer; do
  echo "== output slow to start, QT_MEDIA_BACKEND=$backend"
  start_private_pulse
  QT_MEDIA_BACKEND=$backend "$bench" --folder "$folder" --clip-only 2>&1 | quiet
  stop_private_pulse
done
