#!/usr/bin/env bash
# Starts the real sternwerk on a virtual X server and uses it as a person
# would, with keys only. The first run starts without ALT.DAT: it passes the
# picture window, answers the question with Yes, lets the clock tick, halts
# it, searches the Sun's rise, reads the introduction, opens the enlarged
# chart, saves it twice, reads its help, opens the outside view with its help
# text, closes everything and ends with "Beenden". The second run starts with
# the ALT.DAT the first one wrote and shows its place in a saved chart; a
# third starts with a place of its own in ALT.DAT and must keep it.
# Screenshots are left in the folder given as the second argument.
set -u
program=$1
shots=$2
source "$(cd "$(dirname "$0")" && pwd)/x_driver.sh"
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

start() {  # label
  "$program" >"$work/$1.log" 2>&1 &
  pid=$!
  sleep 3
  shot "$1-1-picture-window"
  xdotool key Escape            # "weiter"
  sleep 2
  shot "$1-2-question"
  xdotool key Return            # "Ja": all 22 factors
  sleep 3
  shot "$1-3-running"
  main=$(wait_window "$main_title") || { fail "$1: no main window"; return 1; }
}

finish() {  # label
  keys_to "$main_title" alt+b   # "&Beenden"
  wait_end "$1"
}

# Opens the enlarged chart of the halted clock and saves it once.
save_chart() {  # label
  keys_to "$main_title" alt+v
  wait_window "Diagramm-Vergrößerung" >/dev/null || { fail "$1: the chart did not open"; return 1; }
  sleep 1
  keys_to "Diagramm-Vergrößerung" alt+s
  sleep 1
  xdotool key Return            # the box naming the saved file
  sleep 1
}

tour() {
  start first || return
  keys_to "$main_title" alt+h   # "&Halt"
  sleep 1
  keys_to "$main_title" alt+a   # "&Aufgang"
  sleep 1
  shot first-4-factor-choice
  xdotool type --delay 200 SO
  sleep 2
  shot first-5-sun-rise

  keys_to "$main_title" alt+e   # "Progr.&Einführung"
  wait_window "Einige einführende Hinweise" >/dev/null || fail "the introduction did not open"
  sleep 1
  shot first-6-introduction
  keys_to "Einige einführende Hinweise" Escape
  wait_gone "Einige einführende Hinweise" || fail "ESC left the introduction open"

  save_chart first
  shot first-7-chart
  keys_to "Diagramm-Vergrößerung" alt+s
  sleep 1
  xdotool key Return
  [ -f img.wmf ] || fail "no img.wmf while the chart is open"

  keys_to "Diagramm-Vergrößerung" alt+h        # the chart's "&Hilfe"
  wait_window "Hilfen zur vergrößerten Diagramm-Anzeige" >/dev/null || fail "the chart's help did not open"
  sleep 1
  shot first-8-chart-help
  keys_to "Hilfen zur vergrößerten Diagramm-Anzeige" Escape
  wait_gone "Hilfen zur vergrößerten" || fail "ESC left the chart's help open"

  keys_to "Diagramm-Vergrößerung" alt+a        # "Draußen-&Ansicht"
  wait_window "Der Blick nach draußen" >/dev/null || fail "the outside view did not open"
  sleep 1
  [ -f draus.wmf ] || fail "no draus.wmf while the outside view is open"
  shot first-9-outside-view
  keys_to "Der Blick nach draußen" alt+h       # its help text
  sleep 1
  shot first-10-outside-view-help
  keys_to "Der Blick nach draußen" Escape
  wait_gone "Der Blick nach draußen" || fail "ESC left the outside view open"
  [ -f draus.wmf ] && fail "draus.wmf left after the outside view closed"

  keys_to "Diagramm-Vergrößerung" Escape
  wait_gone "Diagramm-Vergrößerung" || fail "ESC left the chart open"
  shot first-11-halted-with-result
  finish first
}

tour
[ -f ALT.DAT ] || fail "no ALT.DAT after the first run"
if [ -f ALT.DAT ]; then
  [ "$(wc -l <ALT.DAT)" -eq 4 ] || fail "ALT.DAT has not four lines"
  grep -q $'^[0-9][0-9]\.[0-9][0-9]\.[0-9]\{4\}\r$' ALT.DAT || fail "ALT.DAT date line"
  [ "$(sed -n 3p ALT.DAT)" = "$(printf '+010\260%s\r' "00'")" ] || fail "ALT.DAT longitude line"
fi
[ -f RURed-01.WMF ] && [ -f RURed-02.WMF ] || fail "the two saved charts are missing"
grep -aq "Ereignis: " RURed-02.WMF || fail "the saved chart lacks the Sun's rise"
[ -e img.wmf ] && fail "img.wmf left after the chart closed"
[ -e draus.wmf ] && fail "draus.wmf left after the run"

# The second run takes its place from the first run's file; a chart saved
# in it shows the place line of the clock window.
if start second; then
  keys_to "$main_title" alt+h
  sleep 1
  save_chart second
  keys_to "Diagramm-Vergrößerung" Escape
  wait_gone "Diagramm-Vergrößerung" || fail "second run: ESC left the chart open"
  finish second
fi
grep -aq "$(printf 'Ort: 010\260%s E, 50\260%s N' "00'" "00'")" RURed-03.WMF ||
  fail "the second run's chart does not show the place from ALT.DAT"

# The third run takes its place from the file: 8°30' W, 47°15' N.
printf '07.12.2026\r\n14:05:09\r\n-008\260%s\r\n+47\260%s\r\n' "30'" "15'" >ALT.DAT
start third && finish third
[ "$(sed -n 3p ALT.DAT)" = "$(printf -- '-008\260%s\r' "30'")" ] || fail "the third run must keep the file's place"
[ "$(sed -n 1p ALT.DAT)" != $'07.12.2026\r' ] || fail "the third run must write today's date"

[ "$failures" -eq 0 ] && echo "real run passed; screenshots in $shots"
exit $((failures > 0))
