#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, as `cmake --install` does
# for a user, and uses the installed programs: sternwerk-sky's list and a
# chart drawn with the installed symbol font; then sternwerk on the X
# server, started as its menu entry starts it, with a home of its own. The
# font must be found without a message, and ALT.DAT must land in
# Documents/Sternwerk, not in the folder it was started from; when that
# folder cannot be made, an error comes first and ALT.DAT stays where the
# program started.
# Arguments: the build tree, the folder for screenshots.
set -u
build=$1
shots=$2
source "$(cd "$(dirname "$0")/../app" && pwd)/x_driver.sh"
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
readonly app_id=de.sternwerk.Sternwerk

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
for file in bin/sternwerk bin/sternwerk-sky share/sternwerk/start_picture.jpg \
  share/fonts/truetype/sternwerk/Roradoza.TTF share/applications/$app_id.desktop \
  share/metainfo/$app_id.metainfo.xml share/icons/hicolor/scalable/apps/$app_id.svg \
  share/icons/hicolor/16x16/apps/$app_id.png share/man/man1/sternwerk.1.gz \
  share/man/man1/sternwerk-sky.1.gz share/man/de/man1/sternwerk.1.gz share/man/de/man1/sternwerk-sky.1.gz \
  share/sternwerk/translations/sternwerk_en.qm; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done

sky=$prefix/bin/sternwerk-sky
"$sky" 08.12.2026 12:00 13.4 52.5 >"$work/list.txt" || fail "sternwerk-sky list failed"
grep -q "^ MC " "$work/list.txt" || fail "sternwerk-sky list lacks the MC line"
# The installed translation is found relative to the installed program.
[ "$("$sky" --language en --help | head -n 1)" = "Usage:" ] ||
  fail "the installed sternwerk-sky finds no English"
"$sky" --chart "$work/x.png" 08.12.2026 12:00 || fail "sternwerk-sky --chart failed"
"$sky" --chart "$work/letters.png" 08.12.2026 12:00 --no-symbols
[ "$(file -b --mime-type "$work/x.png")" = image/png ] || fail "--chart x.png wrote no PNG"
cmp -s "$work/x.png" "$work/letters.png" && fail "the installed chart shows letters: the font was not found"

# The menu entry's command, with nothing of this machine's user around it:
# the home folder $work/HOME, started from $work/HOME-start.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$app_id.desktop")
read -r -a command <<<"$exec_line"
start_from_menu() {  # home
  mkdir -p "$work/$1" "$work/$1-start"
  (cd "$work/$1-start" &&
    exec env HOME="$work/$1" XDG_CONFIG_HOME="$work/$1/.config" XDG_DATA_HOME="$work/$1/.local/share" \
      XDG_CACHE_HOME="$work/$1/.cache" XDG_DATA_DIRS="$prefix/share" PATH="$prefix/bin:$PATH" \
      "${command[@]}" >"$work/$1.log" 2>&1) &
  pid=$!
}

# Past the picture window and the question to the running clock, then
# "Beenden".
run_to_end() {  # label
  sleep 3
  shot "$1-1-picture-window"
  xdotool key Escape              # "weiter"
  sleep 2
  shot "$1-2-after-picture"
  xdotool search --onlyvisible --name "^Informationen$" >/dev/null 2>&1 &&
    fail "$1: a message appeared after the picture window (the font message?)"
  xdotool key Return              # the question: "Ja"
  wait_window "$main_title" >/dev/null || fail "$1: no main window"
  sleep 1
  shot "$1-3-running"
  keys_to "$main_title" alt+b     # "&Beenden"
  wait_end "$1"
}

start_from_menu home
run_to_end installed
[ -f "$work/home/Documents/Sternwerk/ALT.DAT" ] || fail "no ALT.DAT in Documents/Sternwerk"
[ -e "$work/home-start/ALT.DAT" ] && fail "ALT.DAT was written into the folder the program started in"

# A file in the way of the folder: an error first, then the clock works in
# the folder it was started in.
mkdir -p "$work/blocked/Documents"
touch "$work/blocked/Documents/Sternwerk"
start_from_menu blocked
wait_window "^Fehler$" >/dev/null || fail "no error about the working folder"
shot blocked-0-error
xdotool key Return
run_to_end blocked
[ -f "$work/blocked-start/ALT.DAT" ] || fail "with the folder blocked, no ALT.DAT in the start folder"

# On an English desktop the clock speaks English and ends with its English
# key; the German run after it reads the ALT.DAT it wrote.
readonly english_title="  Sternwerk, Version 2.3$"
export LANGUAGE=en
start_from_menu english
export LANGUAGE=de
sleep 3
xdotool key Escape
sleep 2
xdotool key Return                # the question: "Yes"
wait_window "$english_title" >/dev/null || fail "English: no main window in English"
sleep 1
shot english-main-window
keys_to "$english_title" alt+x    # "E&xit"
wait_end english
[ -f "$work/english/Documents/Sternwerk/ALT.DAT" ] || fail "English: no ALT.DAT"
start_from_menu english
run_to_end english-read-in-german
grep -q "^sternwerk:" "$work/english.log" && fail "German run of the English ALT.DAT: $(cat "$work/english.log")"

[ "$failures" -eq 0 ] && echo "install test passed"
[ "$failures" -eq 0 ] || cat "$work"/*.log
exit $((failures > 0))
