# Sourced by the tick benchmarks, with their arguments [PROGRAM [SECONDS]]
# (default build/app/sternwerk, 60): reruns the benchmark on a virtual X
# server unless it has a display, and makes a fresh working folder.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
program=$(realpath "${1:-$here/../build/app/sternwerk}")
seconds=${2:-60}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$seconds"
fi
source "$here/../tests/app/x_driver.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Starts COMMAND (which runs the program) in the background as $pid, answers
# the start question with Yes (all 22 factors) and clicks the speed slider's
# right arrow up to 20 ticks per second in real-time steps (one second of sky
# time a tick). The start picture gets FIRST seconds, each later step STEP;
# on a busy machine TICK_START_SECONDS and TICK_STEP_SECONDS give them more.
start_clock_at_20_ticks() {  # FIRST STEP COMMAND...
  local first=${TICK_START_SECONDS:-$1} step=${TICK_STEP_SECONDS:-$2}
  shift 2
  "$@" >"$work/log" 2>&1 &
  pid=$!
  sleep "$first"
  xdotool key Escape   # the start picture
  sleep "$step"
  xdotool key Return   # "Ja": all 22 factors
  main=$(wait_window "$main_title") || fail "no main window"
  sleep "$step"
  # The slider spans x 535..756, y 92..109 of the window; each click on its
  # right arrow adds one tick per second, from 1 to 20.
  xdotool mousemove --window "$main" 748 100 click --repeat 19 --delay 30 1
}
