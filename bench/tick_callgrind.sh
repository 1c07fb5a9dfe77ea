#!/usr/bin/env bash
# Instructions of the real program per clock tick, counted by callgrind, so
# that the figure does not depend on what else the machine is doing.
#   bench/tick_callgrind.sh [PROGRAM [SECONDS]]   (default build/app/sternwerk, 60)
# With TICK_CALLGRIND_OUT=FILE the dump is kept there for callgrind_annotate.
# Runs sternwerk under callgrind on a virtual X server the way tick_cpu.sh
# does (all 22 factors, the slider at 20 ticks per second), zeroes the
# counters once the clock runs and dumps them after SECONDS. Everything the
# process did in between (the ticks, painting, X traffic) is divided by the
# number of ticks, read from the calls of the timer handler in the dump.
# Under callgrind the clock manages fewer than 20 ticks per second.
set -euo pipefail
fail() { echo "tick_callgrind: $*" >&2; exit 1; }
source "$(dirname "$0")/ticking_clock.sh"
readonly tick_handler='sternwerk::MainWindow::Tick()'

# The start picture takes long under callgrind.
start_clock_at_20_ticks 20 5 \
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$program"
sleep 5
callgrind_control --zero "$pid" >/dev/null 2>&1
sleep "$seconds"
callgrind_control --dump "$pid" >/dev/null 2>&1
keys_to "$main_title" alt+h
keys_to "$main_title" alt+b
for _ in $(seq 1 120); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

dump=$(ls "$work"/callgrind.out.* | head -n1)
[ -f "$dump" ] || fail "no callgrind dump"
[ -z "${TICK_CALLGRIND_OUT:-}" ] || cp "$dump" "$TICK_CALLGRIND_OUT"
# Function names are written once with their number (after fn= or cfn=),
# then by number alone.
awk -v handler="$tick_handler" -v s="$seconds" '
  function name(field) {
    if (match(field, /^\([0-9]+\) /)) {
      names[substr(field, 1, RLENGTH - 1)] = substr(field, RLENGTH + 1)
      return substr(field, RLENGTH + 1)
    }
    return (field in names) ? names[field] : field
  }
  /^totals:/ || /^summary:/ { total = $2 }
  /^fn=/ { name(substr($0, 4)) }
  /^cfn=/ { counting = (name(substr($0, 5)) == handler) }
  /^calls=/ && counting { split($0, c, /[= ]/); ticks += c[2]; counting = 0 }
  END {
    if (ticks == 0) { print "tick_callgrind: no ticks counted" > "/dev/stderr"; exit 1 }
    printf "%d ticks in %d s, %.0f instructions: %.2f million instructions per tick\n",
           ticks, s, total, total / ticks / 1e6 }' "$dump"
