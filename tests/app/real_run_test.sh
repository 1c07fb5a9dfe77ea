#!/usr/bin/env bash
# Starts the real sternwerk on a virtual X server and uses it as a person
# would: passes the picture window, answers the question, lets the clock tick,
# ends with "Beenden", and checks ALT.DAT. A second run starts with that file.
# Screenshots are left in the folder given as the second argument.
set -u
program=$1
shots=$2
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Waits up to 20 s for a window whose name matches, prints its id.
wait_window() {
  for _ in $(seq 1 80); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.25
  done
  return 1
}

run_once() {  # label
  "$program" >"$work/$1.log" 2>&1 &
  pid=$!
  sleep 3
  import -window root "$shots/$1-1-picture-window.png"
  xdotool key Escape            # "weiter"
  sleep 2
  import -window root "$shots/$1-2-question.png"
  xdotool key Return            # "Ja": all 22 factors
  sleep 3
  import -window root "$shots/$1-3-running.png"
  main=$(wait_window "Die Sternwerk, Version 2.3") || { fail "$1: no main window"; kill "$pid"; return; }
  xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
  xdotool key alt+b             # "&Beenden"
  for _ in $(seq 1 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$1: the program did not end at Alt+B"
    kill "$pid"
  fi
  wait "$pid" 2>/dev/null
}

run_once first
[ -f ALT.DAT ] || fail "no ALT.DAT after the first run"
if [ -f ALT.DAT ]; then
  [ "$(wc -l <ALT.DAT)" -eq 4 ] || fail "ALT.DAT has not four lines"
  grep -q $'^[0-9][0-9]\.[0-9][0-9]\.[0-9]\{4\}\r$' ALT.DAT || fail "ALT.DAT date line"
  [ "$(sed -n 3p ALT.DAT)" = "$(printf '+010\260%s\r' "00'")" ] || fail "ALT.DAT longitude line"
fi

# The second run takes its place from the file: 8°30' W, 47°15' N.
printf '07.12.2026\r\n14:05:09\r\n-008\260%s\r\n+47\260%s\r\n' "30'" "15'" >ALT.DAT
run_once second
[ "$(sed -n 3p ALT.DAT)" = "$(printf -- '-008\260%s\r' "30'")" ] || fail "the second run must keep the file's place"
[ "$(sed -n 1p ALT.DAT)" != $'07.12.2026\r' ] || fail "the second run must write today's date"

[ "$failures" -eq 0 ] && echo "real run passed; screenshots in $shots"
exit $((failures > 0))
