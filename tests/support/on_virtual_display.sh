#!/usr/bin/env bash
# Runs a command on a virtual X server of its own (1024 x 768, 24 bits).
# Xvfb chooses a free display number itself and reports it (-displayfd), so
# tests started at the same moment never share a server or stop another
# test's server when they end, as guessing the number from lock files can.
set -u
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo_dir/display" 2>"$fifo_dir/server.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$fifo_dir"' EXIT
read -r -t 30 number <"$fifo_dir/display"
if [ -z "${number:-}" ]; then
  echo "on_virtual_display: Xvfb did not start:" >&2
  cat "$fifo_dir/server.log" >&2
  exit 1
fi
DISPLAY=:$number "$@"
