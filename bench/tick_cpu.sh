#!/usr/bin/env bash
# CPU time of the real program per clock tick at 20 ticks per second.
#   bench/tick_cpu.sh [PROGRAM [SECONDS]]   (default build/app/sternwerk, 60)
# Starts sternwerk on a virtual X server in a fresh folder, answers the start
# question with Yes (all 22 factors), clicks the speed slider's right arrow up
# to 20 ticks per second in real-time steps (one second of sky time a tick),
# lets it run, halts and ends it. The ticks are counted from the instant the
# clock reached, which ALT.DAT holds at the end, so ticks the timer missed
# are not counted; the CPU time is the process's user and system time over
# the same span, read from /proc.
set -euo pipefail
fail() { echo "tick_cpu: $*" >&2; exit 1; }
source "$(dirname "$0")/ticking_clock.sh"

cpu_ticks() {  # utime + stime of the program, in clock ticks of /proc
  awk '{print $14 + $15}' "/proc/$pid/stat"
}
seconds_of_day() {  # hh:mm:ss
  IFS=: read -r h m s <<<"$1"
  echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}

start_clock_at_20_ticks 3 2 "$program"
start_instant=$(date -u +%H:%M:%S)
start_cpu=$(cpu_ticks)
sleep "$seconds"
keys_to "$main_title" alt+h
sleep 1
end_cpu=$(cpu_ticks)
keys_to "$main_title" alt+b
wait_end "the measured run"
[ -f ALT.DAT ] || fail "no ALT.DAT written"
end_instant=$(sed -n 2p ALT.DAT | tr -d '\r')
ticks=$(( ( $(seconds_of_day "$end_instant") - $(seconds_of_day "$start_instant") + 86400 ) % 86400 ))
[ "$ticks" -gt 0 ] || fail "the clock did not step"
hz=$(getconf CLK_TCK)
awk -v cpu=$((end_cpu - start_cpu)) -v hz="$hz" -v ticks="$ticks" -v s="$seconds" 'BEGIN {
  printf "%d ticks in %d s (%.1f per second), %.2f s CPU: %.2f ms CPU per tick\n",
         ticks, s, ticks / s, cpu / hz, 1000 * cpu / hz / ticks }'
