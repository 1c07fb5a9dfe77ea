# Drives the real program on an X server from outside, as a person would:
# finds windows by their titles and sends keys to them. Sourced by the
# scripts that run the program; they define `fail` and `shots`.

# Waits up to 20 s for a visible window whose name matches the regular
# expression, prints its id.
wait_window() {
  for _ in $(seq 1 80); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.25
  done
  return 1
}

# Waits up to 5 s until no visible window's name matches.
wait_gone() {
  for _ in $(seq 1 20); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.25
  done
  return 1
}

shot() {  # name
  import -window root "$shots/$1.png"
}

# Keys go to the window that has the focus; the window is given it first.
keys_to() {  # window-name key...
  local id
  id=$(wait_window "$1") || { fail "no window \"$1\""; return 1; }
  shift
  xdotool windowfocus --sync "$id" 2>/dev/null
  xdotool key --delay 150 "$@"
}

# The clock window's title: its words before the version follow the
# language (German unless the sourcing script sets title_words first).
readonly main_title="${title_words:-Die Sternwerk}, Version 2.3"

# Waits for the program to end by itself, up to 10 s; kills it otherwise.
wait_end() {  # label
  for _ in $(seq 1 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$1: the program did not end"
    kill "$pid"
  fi
  wait "$pid" 2>/dev/null
}
