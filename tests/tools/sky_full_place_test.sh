#!/usr/bin/env bash
# sternwerk-sky writing over an existing picture where the new one cannot be
# written: on a full or read-only file system (a small tmpfs in a mount
# namespace of its own) or, without namespaces, beyond the shell's file size
# limit and into a write-protected folder. The old file must stay whole and
# nothing else be left; the message names the file and the German reason.
set -u
sky=$1
if [ "${2:-}" = "--own-mounts" ]; then
  place=tmpfs
elif unshare -rm true 2>/dev/null; then
  exec unshare -rm "$0" "$sky" --own-mounts
else
  place=limit
fi
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

dir=$(mktemp -d)
kept=$(mktemp -d)
cleanup() {
  [ "$place" = tmpfs ] && umount "$dir"
  chmod 700 "$dir" 2>/dev/null
  rm -rf "$dir" "$kept"
}
trap cleanup EXIT
[ "$place" = tmpfs ] && { mount -t tmpfs -o size=1m tmpfs "$dir" || exit 1; }

names="x.svg x.png x.wmf x.pdf"
for name in $names; do
  "$sky" --chart "$dir/$name" 07.12.2026 21:30 13.4 52.5 || fail "first --chart $name exited $?"
  cp "$dir/$name" "$kept/$name"
done

# Writes each picture again, now for another instant and place, where it
# cannot be written (the arguments run the writing command), and checks the
# outcome against the reason expected.
expect_kept() {  # reason, command prefix...
  local reason=$1 name message
  shift
  for name in $names; do
    message=$("$@" "$sky" --chart "$dir/$name" 01.01.2000 12:00 --all 2>&1 >/dev/null)
    [ $? -ne 0 ] || fail "$name: the failed write was not reported"
    grep -qF "Die Datei $dir/$name kann nicht geschrieben werden: $reason" <<<"$message" ||
      fail "$name: message without the file or reason: $message"
    cmp -s "$dir/$name" "$kept/$name" || fail "$name: the old file was changed ($reason)"
  done
  [ "$(ls -A "$dir" | grep -cv '^filler$')" -eq 4 ] || fail "stray files left: $(ls -A "$dir")"
}

limited() {  # runs the command with at most 4 KB per file, its signal ignored
  (trap '' XFSZ; ulimit -f 4; exec "$@")
}

if [ "$place" = tmpfs ]; then
  dd if=/dev/zero of="$dir/filler" bs=4k 2>/dev/null
  expect_kept "Kein Speicherplatz mehr auf dem Gerät" env
  rm "$dir/filler"
  mount -o remount,ro "$dir" || fail "cannot make the file system read-only"
  expect_kept "Dateisystem ist nur lesbar" env
else
  expect_kept "Datei zu groß" limited
  if [ "$(id -u)" -ne 0 ]; then
    chmod 500 "$dir"
    expect_kept "Keine Berechtigung" env
  fi
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all passed ($place)"
