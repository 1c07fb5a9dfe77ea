#!/usr/bin/env bash
# The committed translations are complete: lupdate run on the sources into a
# copy of every .ts file leaves it unchanged (no text missing, none that the
# sources no longer have), and no text is unfinished. The built .qm files
# lie beside the programs of the build tree.
set -u
source_dir=$1
build_dir=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for ts in "$source_dir"/translations/*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  "$source_dir/scripts/update-translations" "$work/$name" >"$work/lupdate.log" 2>&1 ||
    fail "lupdate failed on $name: $(cat "$work/lupdate.log")"
  [ -s "$work/lupdate.log" ] && fail "lupdate warns on $name: $(cat "$work/lupdate.log")"
  diff -u "$ts" "$work/$name" >"$work/$name.diff" ||
    fail "$name is not up to date (run scripts/update-translations):
$(head -n 40 "$work/$name.diff")"
  grep -q '<message>' "$ts" || fail "$name holds no text"
  unfinished=$(grep -c 'type="\(unfinished\|vanished\|obsolete\)"' "$ts")
  [ "$unfinished" -eq 0 ] || fail "$name has $unfinished texts unfinished or gone"
  qm=${name%.ts}.qm
  for program in app/sternwerk tools/sternwerk-sky; do
    folder=$build_dir/$(dirname "$program")
    [ -s "$folder/$qm" ] || fail "$qm missing beside $program"
  done
done

[ $failures -eq 0 ] && echo "all passed"
exit $((failures > 0))
