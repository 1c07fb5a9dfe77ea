#!/usr/bin/env bash
# Fault drills with the real sternwerk on a virtual X server: a damaged
# ALT.DAT of every kind, a working directory the program may not write, the
# symbol font and the start picture missing or damaged. Each time the
# program must start, say clearly what is wrong, keep working and end
# without losing what it had. Screenshots go to the folder given second.
set -u
program=$1
shots=$2
source "$(cd "$(dirname "$0")" && pwd)/x_driver.sh"
mkdir -p "$shots"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Starts the program in directory $1 (label $2), passes the picture window
# and answers the question with No. Extra arguments run it through a
# command prefix, for example as another user.
start_in() {  # dir label [prefix...]
  local dir=$1 label=$2
  shift 2
  (cd "$dir" && exec "$@" "$program" >"$scratch/$label.log" 2>&1) &
  pid=$!
  sleep 3
  xdotool key Escape                                  # the picture window's "weiter"
  keys_to '^Bestätigung$' alt+n >/dev/null || return 1  # "Nein": twelve factors
  wait_window "$main_title" >/dev/null || { fail "$label: no main window"; return 1; }
  sleep 1
}

end_normally() {  # label
  keys_to "$main_title" alt+b
  wait_end "$1"
}

valid_state_file() {  # file
  [ -f "$1" ] && [ "$(wc -l <"$1")" -eq 4 ] &&
    grep -q $'^[0-9][0-9]\.[0-9][0-9]\.[0-9]\{4\}\r$' "$1"
}

# A damaged ALT.DAT is passed over at start (default place) and replaced by
# a sound one at the end; a directory in its place stays as it is, and the
# program asks before ending without saving.
drill_state_file() {  # kind
  local dir="$scratch/alt-$1"
  mkdir -p "$dir"
  case $1 in
    empty) : >"$dir/ALT.DAT" ;;
    binary) head -c 4096 /dev/urandom >"$dir/ALT.DAT" ;;
    huge) head -c 10485760 /dev/zero | tr '\0' '9' >"$dir/ALT.DAT" ;;
    directory) mkdir "$dir/ALT.DAT" ;;
  esac
  start_in "$dir" "alt-$1" || { fail "ALT.DAT $1: the program did not start"; kill "$pid"; return; }
  shot "drill-alt-$1"
  keys_to "$main_title" alt+b
  if [ "$1" = directory ]; then
    keys_to '^Bestätigung$' Return     # "Ja": end without saving
    wait_end "alt-$1"
    [ -d "$dir/ALT.DAT" ] || fail "ALT.DAT directory: it was removed"
  else
    wait_end "alt-$1"
    valid_state_file "$dir/ALT.DAT" || fail "ALT.DAT $1: not replaced by a sound file"
  fi
}

# A working directory the program may not write: it runs, reports each file
# it cannot write, asks before ending without saving, and leaves ALT.DAT as
# it was. Root may write anywhere, so the program runs as "nobody" then.
drill_read_only_directory() {
  local dir="$scratch/read-only" prefix=()
  mkdir -p "$dir" "$scratch/nobody-home"
  printf '07.12.2026\r\n14:05:09\r\n-008\260%s\r\n+47\260%s\r\n' "30'" "15'" >"$dir/ALT.DAT"
  cp "$dir/ALT.DAT" "$scratch/ALT.DAT.before"
  chmod 555 "$dir"
  chmod 444 "$dir/ALT.DAT"
  if [ "$(id -u)" -eq 0 ]; then
    cp "${XAUTHORITY:-}" "$scratch/xauthority" 2>/dev/null && chmod 644 "$scratch/xauthority"
    chown nobody "$scratch/nobody-home"
    chmod 755 "$scratch"
    prefix=(setpriv --reuid=nobody --regid=nogroup --clear-groups
            env HOME="$scratch/nobody-home" XAUTHORITY="$scratch/xauthority")
  fi
  start_in "$dir" read-only "${prefix[@]}" || { fail "read-only: the program did not start"; kill "$pid"; return; }
  keys_to "$main_title" alt+h
  keys_to "$main_title" alt+v
  keys_to '^Fehler$' Return || fail "read-only: img.wmf not reported"
  shot drill-read-only-chart
  keys_to "Diagramm-Vergrößerung" alt+s
  keys_to '^Fehler$' Return || fail "read-only: the failed save not reported"
  keys_to "Diagramm-Vergrößerung" Escape
  wait_gone "Diagramm-Vergrößerung" || fail "read-only: the chart did not close"
  keys_to "$main_title" alt+b
  keys_to '^Bestätigung$' alt+n || fail "read-only: no question before ending without saving"
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "read-only: the program ended although told not to"
  shot drill-read-only-kept-open
  keys_to "$main_title" alt+b
  keys_to '^Bestätigung$' alt+j
  wait_end read-only
  cmp -s "$dir/ALT.DAT" "$scratch/ALT.DAT.before" || fail "read-only: ALT.DAT changed"
  [ "$(ls "$dir")" = ALT.DAT ] || fail "read-only: files appeared: $(ls "$dir")"
  chmod 755 "$dir"
}

# A copy of the program beside which the symbol font and the start picture
# are missing, or damaged.
program_copy() {  # dir font picture
  mkdir -p "$1"
  cp "$program" "$1/"
  [ "$2" = yes ] && cp "$(dirname "$program")/Roradoza.TTF" "$1/"
  case $3 in
    missing) ;;
    corrupt) head -c 3000 "$(dirname "$program")/start_picture.jpg" >"$1/start_picture.jpg" ;;
  esac
  echo "$1/$(basename "$program")"
}

# Missing start picture: a clear error first, then the empty picture window;
# missing font: the font message, and the program works with text fallbacks.
drill_program_files() {  # label font picture
  local label=$1 copy dir="$scratch/$1"
  copy=$(program_copy "$scratch/$label-program" "$2" "$3")
  mkdir -p "$dir"
  (cd "$dir" && exec "$copy" >"$scratch/$label.log" 2>&1) &
  pid=$!
  keys_to '^Fehler$' Return || fail "$label: the start picture's fault not reported"
  sleep 1
  xdotool key Escape
  if [ "$2" = no ]; then
    keys_to '^Informationen$' Return || fail "$label: no message about the missing font"
  fi
  keys_to '^Bestätigung$' Return || fail "$label: no question"
  wait_window "$main_title" >/dev/null || { fail "$label: no main window"; kill "$pid"; return; }
  sleep 2
  shot "drill-$label"
  keys_to "$main_title" alt+h
  keys_to "$main_title" alt+v
  wait_window "Diagramm-Vergrößerung" >/dev/null || fail "$label: the chart did not open"
  sleep 1
  shot "drill-$label-chart"
  keys_to "Diagramm-Vergrößerung" Escape
  end_normally "$label"
  valid_state_file "$dir/ALT.DAT" || fail "$label: no ALT.DAT at the end"
}

for kind in empty binary huge directory; do drill_state_file "$kind"; done
drill_read_only_directory
drill_program_files no-font-no-picture no missing
drill_program_files corrupt-picture yes corrupt

[ "$failures" -eq 0 ] && echo "fault drills passed; screenshots in $shots"
exit $((failures > 0))
