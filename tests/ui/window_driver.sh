# Drives the real program's windows with xdotool, for the tests that start it (sourced): a
# display and a player's home of their own, then waits for the windows to come up and answers
# the start-up dialogs with keys, the way a player does, without guessing how long anything
# takes.

# A scratch folder, and the processes to stop when the test ends, however it ends.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
  wait 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Starts Xvfb on a free display with openbox on it, and a home with no sound server.
start_display() {
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
  pids+=($!)
  for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
  [[ -s "$work/display" ]] || return 1
  export DISPLAY=":$(cat "$work/display")"
  # The program must find the window manager running, or its first dialog never gets the keyboard.
  openbox --startup "touch $work/window-manager" > /dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 200); do [[ -e "$work/window-manager" ]] && break; sleep 0.1; done
  [[ -e "$work/window-manager" ]] || return 1
  export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM
}

# The id of the window that has the keyboard, and its width.
active_window() { xdotool getactivewindow 2> /dev/null; }
active_width() { xdotool getactivewindow getwindowgeometry 2> /dev/null | awk '/Geometry/ { split($2, size, "x"); print size[1] }'; }

# Waits (up to 60 s) for a dialog other than the one given to have the keyboard; prints its id.
next_dialog() {
  local before=$1 id width
  for _ in $(seq 600); do
    id=$(active_window)
    width=$(active_width)
    if [[ -n "$id" && "$id" != "$before" && -n "$width" && "$width" -lt 900 ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Waits (up to 60 s) for the main window (the wide one) to have the keyboard.
main_window() {
  local width
  for _ in $(seq 600); do
    width=$(active_width)
    [[ -n "$width" && "$width" -ge 900 ]] && return 0
    sleep 0.1
  done
  return 1
}

key() {
  xdotool key --clearmodifiers "$@"
  sleep 0.3
}

# The start-up: the news question (No), the note about updates (OK), the tip of the day (Esc);
# then a new game (F2) and its note on how to play (OK). Ends with the board taking keys.
start_a_game() {
  local question note tip howto
  question=$(next_dialog none) || { echo "no question at start-up"; return 1; }
  key n
  note=$(next_dialog "$question") || { echo "no note about updates"; return 1; }
  key Return
  tip=$(next_dialog "$note") || { echo "no tip of the day"; return 1; }
  key Escape
  main_window || { echo "the main window did not get the keyboard back"; return 1; }
  key F2
  howto=$(next_dialog "$tip") || { echo "no note on how to play after F2"; return 1; }
  key Return
  main_window || { echo "the main window did not get the keyboard after the first game"; return 1; }
}
