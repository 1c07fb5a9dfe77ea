#!/usr/bin/env bash
# sternwerk-sky and the chart collection: charts saved, listed, exported,
# imported into another collection unchanged, and records refused by line.
set -u
sky=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

"$sky" --save-chart Ferber 27.09.1970 11:04 --place München --local >/dev/null ||
  fail "--save-chart --local exited $?"
"$sky" --save-chart "Mondlandung" 21.07.1969 02:56:15 23.473 0.674 >/dev/null ||
  fail "--save-chart exited $?"
[ -f horoskope.db ] || fail "the collection is not in the current folder"
line=$("$sky" --charts ferb)
[ "$line" = "$(printf 'Ferber\t*\t27.09.1970 11:04:00\tUT+1 MEZ\t27.09.1970 10:04:00\tMünchen\tBayern\tDeutschland\t48.13743\t11.57549')" ] ||
  fail "--charts ferb: $line"
"$sky" --charts 1969 | grep -q "^Mondlandung	" || fail "--charts by year"
"$sky" --charts nobody 2>/dev/null
[ $? -eq 1 ] || fail "--charts without a match"

# Through either exchange format into a new collection, the same lines;
# AAF keeps the coordinates to the arc second, CSV to the centimetre.
for format in aaf csv; do
  fields=1-5
  [ $format = csv ] && fields=1-10
  "$sky" --export "all.$format" >/dev/null || fail "--export .$format exited $?"
  "$sky" --collection "$format.db" --import "all.$format" >/dev/null ||
    fail "--import .$format exited $?"
  [ "$("$sky" --collection "$format.db" --charts | cut -f$fields)" = \
    "$("$sky" --charts | cut -f$fields)" ] || fail "charts changed through .$format"
done

# A damaged record: reported with its line, the good one taken, status 1.
printf '#A93:Gut,*,e,1.2.1990,10:00,Berlin,D\n#B93:*,52n31,13e24,1he00,0\n#A93:Kaputt,*,e,31.2.1990,10:00,Berlin,D\n#B93:*,52n31,13e24,1he00,0\n' >bad.aaf
message=$("$sky" --collection bad.db --import bad.aaf 2>&1 >/dev/null)
[ $? -eq 1 ] || fail "--import of a damaged record exited $?"
grep -q '^sternwerk-sky: bad.aaf, Zeile 3: ' <<<"$message" || fail "damaged record: $message"
[ "$("$sky" --collection bad.db --charts | cut -f1)" = Gut ] || fail "the good record is missing"

# Not a collection: said, the file left alone, no usage hint.
echo "kein SQLite" >text.db
message=$("$sky" --collection text.db --charts 2>&1 >/dev/null)
[ $? -eq 1 ] && grep -q "keine Horoskop-Sammlung" <<<"$message" || fail "text.db: $message"
[ "$(cat text.db)" = "kein SQLite" ] || fail "text.db changed"
message=$("$sky" --export all.txt 2>&1 >/dev/null)
[ $? -eq 2 ] || fail "--export all.txt: $message"

[ "$failures" -eq 0 ] && echo "all collection checks passed"
exit $((failures > 0))
