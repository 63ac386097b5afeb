# A private PulseAudio server with one null sink ("nul"), for hearing the game on a machine
# without a sound card. Source this file, then:
#   start_private_pulse   starts the server in a new temporary folder and exports the variables
#                         that send every client there (PULSE_SERVER, XDG_RUNTIME_DIR, HOME)
#   keep_sink_running     plays silence into the sink until the server stops, and returns once
#                         the sink's monitor delivers sound
#   stop_private_pulse    stops it and removes the folder (safe to call twice, and from a trap)
#   no_pulse_server       points the clients at a server that does not exist, with autospawn off
#                         (its folder is $no_pulse_dir, removed by stop_private_pulse)
#   plug_headset          adds a second null sink ("headset") and makes it the default output
#   unplug_headset        removes it again, as pulling out a headset does
#   kill_private_pulse SIG  ends the server with a signal: TERM stops it as "pulseaudio -k"
#                         does, KILL is a crash that leaves its socket behind
#   restart_private_pulse starts it again on the same socket
# Clients never start a server of their own (autospawn is off), so a killed server stays gone.

private_pulse_dir=""
no_pulse_dir=""
headset_module=""

start_private_pulse() {
  private_pulse_dir=$(mktemp -d "${TMPDIR:-/tmp}/sumburrow-pulse.XXXXXX")
  chmod 700 "$private_pulse_dir"
  export XDG_RUNTIME_DIR="$private_pulse_dir" HOME="$private_pulse_dir"
  export PULSE_SERVER="unix:$private_pulse_dir/pulse/native"
  printf 'autospawn = no\n' >"$private_pulse_dir/client.conf"
  export PULSE_CLIENTCONFIG="$private_pulse_dir/client.conf"
  run_private_pulse
}

# The server itself, in the folder start_private_pulse made; returns once it answers.
run_private_pulse() {
  # No real-time scheduling: a real-time server that is starved of processor time on a busy
  # machine is killed by the kernel's real-time limit in the middle of a test.
  pulseaudio -n --daemonize=yes --exit-idle-time=-1 --use-pid-file=yes \
    --realtime=no --high-priority=no \
    --log-target="file:$private_pulse_dir/pulseaudio.log" \
    --load="module-null-sink sink_name=nul" --load=module-native-protocol-unix || return 1
  for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "private_pulse: the server did not answer" >&2
  return 1
}

private_pulse_pid() {
  [[ -f "$private_pulse_dir/pulse/pid" ]] && cat "$private_pulse_dir/pulse/pid"
}

kill_private_pulse() {
  local pid
  pid=$(private_pulse_pid) || return 1
  kill "-$1" "$pid"
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

restart_private_pulse() {
  rm -f "$private_pulse_dir/pulse/pid"
  run_private_pulse
}

plug_headset() {
  headset_module=$(pactl load-module module-null-sink sink_name=headset) || return 1
  pactl set-default-sink headset
}

unplug_headset() {
  pactl unload-module "$headset_module"
}

# A null sink renders nothing for up to its two-second latency after it starts, and again after
# it has been idle, holding every new stream back meanwhile; recordings would then be empty
# now and then. A silent stream keeps it rendering.
keep_sink_running() {
  pacat --playback -d nul --raw --format=s16le --rate=44100 --channels=1 --latency-msec=50 /dev/zero \
    2>/dev/null &
  for _ in $(seq 40); do
    [[ $(timeout 0.25 parec -d nul.monitor --raw --latency-msec=20 | wc -c) -gt 0 ]] && return 0
  done
  echo "private_pulse: the null sink does not render" >&2
  return 1
}

# The server's log, for a failing test's output.
show_private_pulse_log() {
  if [[ -n "$private_pulse_dir" && -f "$private_pulse_dir/pulseaudio.log" ]]; then
    tail -n 20 "$private_pulse_dir/pulseaudio.log"
  fi
}

stop_private_pulse() {
  if [[ -n "$no_pulse_dir" ]]; then
    rm -rf "$no_pulse_dir"
    no_pulse_dir=""
  fi
  [[ -n "$private_pulse_dir" ]] || return 0
  local pid=""
  [[ -f "$private_pulse_dir/pulse/pid" ]] && pid=$(cat "$private_pulse_dir/pulse/pid")
  pulseaudio --kill >/dev/null 2>&1 || true
  if [[ -n "$pid" ]]; then
    for _ in $(seq 30); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -rf "$private_pulse_dir"
  private_pulse_dir=""
}

no_pulse_server() {
  no_pulse_dir=$(mktemp -d "${TMPDIR:-/tmp}/sumburrow-nopulse.XXXXXX")
  printf 'autospawn = no\n' >"$no_pulse_dir/client.conf"
  export XDG_RUNTIME_DIR="$no_pulse_dir" HOME="$no_pulse_dir"
  export PULSE_CLIENTCONFIG="$no_pulse_dir/client.conf"
  export PULSE_SERVER="unix:$no_pulse_dir/no-server-here"
}
