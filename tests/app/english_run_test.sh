#!/usr/bin/env bash
# Starts the real sternwerk on a virtual X server of a desktop set to English
# (the locale of the environment, no --language) and uses it as a person
# would: picture window, start question, running clock, Stop, the
# date/time/place dialog with a place found by its English name and local
# time, the interval, a Sun rise chosen by its English code after the German
# one is refused, introduction, source information, symbols, the full moon
# and its enlarged chart with the chart's help, a saved metafile, an export,
# the printer advice, the outside view with its help, and Exit. Every window must carry
# its English title; a picture of each goes to the folder given as the second
# argument as en-*.png.
set -u
program=$1
shots=$2
title_words="  Sternwerk"  # two blanks: the German title reads "Die Sternwerk"
source "$(cd "$(dirname "$0")" && pwd)/x_driver.sh"
mkdir -p "$shots"
rm -f "$shots"/en-*.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

readonly chart="Enlarged Chart"
readonly outside="The View Outside +on .*"
readonly dialog="Date / Time / Place"

# The title as a regular expression matching only itself.
literally() { sed 's/[][\\.*^$()+?{}|]/\\&/g' <<<"$1"; }

# Waits for the window titled $1 (an extended regular expression; the
# blanks the program puts around titles aside) and leaves a picture of it
# as en-$2.png.
titled() {  # title-expression picture-name
  local id
  if ! id=$(wait_window "^ *$1 *\$"); then
    fail "no window titled \"$1\"; shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | paste -sd '|')"
    return 1
  fi
  sleep 1
  import -window "$id" "$shots/en-$2.png"
}

# Clicks a point of a window, in the window's own pixels.
click_in() {  # title-expression x y
  local id
  id=$(wait_window "$1") || { fail "no window \"$1\" to click"; return 1; }
  xdotool mousemove --window "$id" "$2" "$3" click 1
}

# A picture of the clock window as en-$1.png, its title checked.
clock_window() {  # picture-name
  titled ".*$(literally "$main_title")" "$1"
}

start() {
  "$program" >"$work/run.log" 2>&1 &
  pid=$!
  sleep 3
  shot en-01-picture-window      # no title of its own
  xdotool key Escape              # "go on"
  titled Confirmation 02-start-question && keys_to Confirmation Return  # Yes: 22 factors
  sleep 2
  clock_window 03-clock-running
}

# Enter goes from field to field; after the last one it takes the values
# and closes the dialog (ESC would leave everything as it was).
enter_through_fields() {
  for _ in $(seq 1 12); do
    xdotool search --onlyvisible --name "$dialog" >/dev/null 2>&1 || return 0
    keys_to "$dialog" Return
    sleep 0.3
  done
  wait_gone "$dialog" || fail "Enter did not close the date/time/place dialog"
}

date_time_place() {
  keys_to "$main_title" alt+s     # "&Stop"
  sleep 1
  clock_window 04-clock-stopped
  keys_to "$main_title" alt+d     # "&Date/Time/Place"
  titled "$dialog" 05-date-time-place || return
  xdotool key F3
  sleep 1
  xdotool type --delay 150 Munich # German: München
  titled "$dialog" 06-place-search
  xdotool key Return               # the first place found
  sleep 1
  keys_to "$dialog" alt+o          # "L&ocal time"
  titled "$dialog" 07-local-time
  enter_through_fields
  clock_window 08-clock-in-munich
}

interval() {
  keys_to "$main_title" alt+i     # "&Interval"
  titled "How far each step goes" 09-interval || return
  xdotool type --delay 150 60
  xdotool key Return
  wait_gone "How far each step goes" || fail "the minutes did not close the interval dialog"
}

rise() {
  keys_to "$main_title" alt+r     # "&Rise"
  titled "Factor to rise" 10-factor-choice || return
  xdotool type --delay 200 SO      # the German code of the Sun
  titled Error 11-german-code-refused && keys_to Error Return
  keys_to "Factor to rise" S U
  wait_gone "Factor to rise" || fail "SU did not choose the Sun"
  sleep 3
  clock_window 12-sun-rise
}

help_and_panels() {
  keys_to "$main_title" alt+n     # "I&ntroduction"
  titled "An Introduction to the Program and Its Chart" 13-introduction
  keys_to "An Introduction to the Program" Escape
  wait_gone "An Introduction to the Program" || fail "ESC left the introduction open"
  keys_to "$main_title" alt+f     # "Source In&fo"
  sleep 1
  clock_window 14-source-information
  keys_to "$main_title" alt+f
  keys_to "$main_title" alt+b     # "Sym&bols"
  sleep 1
  clock_window 15-symbols
  keys_to "$main_title" alt+b
}

# En&large is off while a search runs: the key is given again until the
# chart opens, for up to 30 s.
open_chart() {
  for _ in $(seq 1 15); do
    keys_to "$main_title" alt+l   # "En&large"
    for _ in $(seq 1 8); do
      xdotool search --onlyvisible --name "$chart" >/dev/null 2>&1 && return 0
      sleep 0.25
    done
  done
  fail "the enlarged chart did not open"
  return 1
}

# The chart of the full moon found, with everything it leads to.
enlarged_chart() {
  click_in "$main_title" 671 179  # the full moon button
  open_chart || return
  titled "$chart" 16-enlarged-chart || return
  keys_to "$chart" alt+h           # "&Help"
  titled "Help on the Enlarged Chart" 17-chart-help
  keys_to "Help on the Enlarged Chart" Escape
  wait_gone "Help on the Enlarged Chart" || fail "ESC left the chart's help open"

  keys_to "$chart" alt+s           # "&Save"
  titled Information 18-chart-saved && keys_to Information Return
  keys_to "$chart" alt+e           # "&Export …"
  titled Export 19-export && xdotool type --delay 100 "$work/chart.svg" && xdotool key Return
  wait_gone "^ *Export *$" || fail "the export dialog stayed open"
  titled Information 19-chart-exported && keys_to Information Return

  click_in "$chart" 803 525        # "Printer Help": no key of its own
  titled "If the chart does not fill the page or prints too large:" 20-printer-advice &&
    keys_to "If the chart does not fill" Return

  keys_to "$chart" alt+o           # "&Outside View"
  titled "$outside" 21-outside-view || return
  keys_to "$outside" alt+h         # its help text
  titled "$outside" 22-outside-view-help
  keys_to "$outside" Escape
  wait_gone "$outside" || fail "ESC left the outside view open"
  keys_to "$chart" Escape
  wait_gone "$chart" || fail "ESC left the chart open"
  clock_window 23-full-moon
}

start && date_time_place && interval && rise && help_and_panels && enlarged_chart
keys_to "$main_title" alt+x       # "E&xit"
wait_end english

# What the program wrote is in English too: the chart's header names the
# date, the event and the place chosen in the dialog.
if [ -f RURed-01.WMF ]; then
  for text in "Date / time: " "Event:  Full moon" "$(printf 'Place: 011\26035%s E, 48\26008%s N' "'" "'")" \
    "Local time in Munich: " "$(printf '0\260 AR')"; do
    grep -aq "$text" RURed-01.WMF || fail "the saved chart lacks \"$text\""
  done
  for german in "Ereignis: " "Ortszeit" "$(printf 'M\374nchen')" "MEZ"; do
    grep -aq "$german" RURed-01.WMF && fail "the saved chart has the German \"$german\""
  done
else
  fail "no saved chart RURed-01.WMF"
fi
grep -q "Full moon" chart.svg 2>/dev/null || fail "the exported chart.svg lacks \"Full moon\""
# ALT.DAT keeps the format of every language, here with the place chosen.
[ "$(sed -n 3,4p ALT.DAT 2>/dev/null)" = "$(printf '+011\26035%s\r\n+48\26008%s\r' "'" "'")" ] ||
  fail "ALT.DAT lacks the place chosen: $(cat -A ALT.DAT 2>&1)"

if [ "$failures" -eq 0 ]; then
  echo "English run passed; screenshots in $shots/en-*.png"
else
  echo "The program's output:" && cat run.log
fi
exit $((failures > 0))
