#!/usr/bin/env bash
# sternwerk-sky with the real atlas: places by name, and the local civil
# time of a place read by the tzdata rules.
set -u
sky=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# German, transliterated and English names find the same place first.
for name in münchen muenchen MUNCHEN munich; do
  first=$("$sky" --places "$name" | head -n1)
  [ "$first" = "$(printf 'München\tBayern\tDeutschland\t48.13743\t11.57549\tEurope/Berlin')" ] ||
    fail "--places $name: $first"
done
[ "$("$sky" --places b | wc -l)" -eq 20 ] || fail "--places lists at most 20"
"$sky" --places köln | head -n1 | grep -q "^Köln	" || fail "--places köln"
# A later word of a name; a whole word before a longer name; Latin letters.
out=$("$sky" --places Wittenberg | cut -f1)
[ "$out" = "$(printf 'Lutherstadt Wittenberg\nWittenberge')" ] || fail "--places Wittenberg: $out"
message=$("$sky" --places 東京 2>&1 >/dev/null)
[ $? -eq 1 ] && grep -q ": Ortsnamen werden in lateinischen Buchstaben gesucht$" <<<"$message" ||
  fail "--places 東京: $message"
# --place names the place it took where others matched as well.
message=$("$sky" --place Paris 01.07.2026 12:00 2>&1 >/dev/null)
grep -qx 'sternwerk-sky: --place "Paris": genommen ist Paris, Île-de-France, Frankreich (Breite 48.85341, Länge 2.34880); andere Orte passen ebenso gut, sternwerk-sky --places "Paris" listet sie' \
  <<<"$message" || fail "--place Paris: $message"
[ -z "$("$sky" --place Wittenberg 01.07.2026 12:00 2>&1 >/dev/null)" ] || fail "--place Wittenberg"
for name in xyzxyz "" " "; do
  message=$("$sky" --places "$name" 2>&1 >/dev/null)
  status=$?
  [ $status -eq 1 ] || fail "--places '$name' exited $status"
  grep -q "^sternwerk-sky: Kein Ort" <<<"$message" || fail "--places '$name': $message"
done
message=$("$sky" --places $'M\xfcnchen' 2>&1 >/dev/null)
[ $? -eq 2 ] && grep -q "0xFC an Stelle 2 ist kein UTF-8" <<<"$message" ||
  fail "Latin-1 bytes: $message"

# Ulm kept its mean time until 1893: 9°59'30" east is 0:39:58 ahead of UT.
out=$("$sky" --local --place Ulm 14.03.1879 11:30)
[ "$(sed -n 2p <<<"$out")" = "10:50:02 WZ/GMT" ] || fail "Ulm 1879: $out"
[ "$(sed -n 4p <<<"$out")" = "Ort: Ulm, Baden-Württemberg, Deutschland, Europe/Berlin" ] ||
  fail "Ulm's place line: $out"
[ "$(sed -n 5p <<<"$out")" = "Ortszeit: 14.03.1879 11:30:00 mittlere Ortszeit (UT+0:39:58)" ] ||
  fail "Ulm's local time: $out"
[ "$(sed 4,5d <<<"$out")" = "$("$sky" 14.03.1879 10:50:02 9.99155 48.39841)" ] ||
  fail "the list is that of the Universal Time and the place's coordinates"

# Berlin: 02:00-03:00 skipped on 29.03.2026, passed twice on 25.10.2026.
message=$("$sky" --local --place Berlin 29.03.2026 02:30 2>&1 >/dev/null)
[ $? -eq 2 ] && grep -q "02:30:00 gibt es in Europe/Berlin nicht" <<<"$message" ||
  fail "skipped hour: $message"
out=$("$sky" --local --place Berlin 25.10.2026 02:30)
[ "$(sed -n 2p <<<"$out")" = "00:30:00 WZ/GMT" ] || fail "repeated hour: $out"
grep -qx "Ortszeit: 25.10.2026 02:30:00 MESZ (UT+2:00:00) (doppelt: es gilt die frühere)" \
  <<<"$out" || fail "repeated hour's local time: $out"
# New York in summer: EDT, four hours behind.
out=$("$sky" --local --place "new york" 04.07.2026 12:00)
[ "$(sed -n 2p <<<"$out")" = "16:00:00 WZ/GMT" ] && grep -q "EDT (UT-4:00:00)$" <<<"$out" ||
  fail "New York summer: $out"
# Typed coordinates near Ulm take Berlin's zone; without --local the time
# stays Universal Time and the local time is told beside it.
out=$("$sky" --local 01.07.2026 12:00 "10°00'" 48:24N)
[ "$(sed -n 2p <<<"$out")" = "10:00:00 WZ/GMT" ] && grep -qx "Ort: Europe/Berlin" <<<"$out" ||
  fail "typed place: $out"
out=$("$sky" --place Ulm 01.07.2026 12:00)
[ "$(sed -n 2p <<<"$out")" = "12:00:00 WZ/GMT" ] && grep -q "14:00:00 MESZ" <<<"$out" ||
  fail "--place alone: $out"

# A search from a local date starts at local midnight: Tokyo's sunrise of
# the date (before 21:00 UT of the day before), not of the next day.
out=$("$sky" --local --place Tokio --search aufgang SO 21.06.2026)
[ "$(head -n1 <<<"$out" | cut -c1-10)" = "20.06.2026" ] || fail "Tokyo's local sunrise: $out"
grep -q "^Ortszeit: 21.06.2026 0[45]:" <<<"$out" || fail "Tokyo's sunrise in local time: $out"
for command in "--chart x.pdf" "--dial x.png" "--outside x.svg"; do
  dir=$(mktemp -d)
  # shellcheck disable=SC2086
  (cd "$dir" && "$sky" --precise ${command} --local --place Ulm 14.03.2026 11:30) &&
    [ -s "$dir/${command#* }" ] || fail "$command with --place"
  rm -rf "$dir"
done
# The chart's print page names the place and its local time, as the
# enlarged chart of the window does.
dir=$(mktemp -d)
"$sky" --chart "$dir/berlin.pdf" --local --place Berlin 09.12.2026 12:00 &&
  pdftotext "$dir/berlin.pdf" - | grep -q "Ortszeit Berlin: Mi, 09.12.2026 / 12:00:00 MEZ (UT+1)" ||
  fail "--chart with --place lacks the local time line"
rm -rf "$dir"
# A local time whose Universal Time leaves the calendar is refused without
# the hint to --help: the command line itself is right.
message=$("$sky" --local --place Tokio 01.01.1600 00:30 2>&1 >/dev/null)
[ $? -eq 2 ] && [ "$message" = "sternwerk-sky: Die Ortszeit 01.01.1600 00:30:00 liegt in Weltzeit außerhalb der Jahre 1600 bis 9999" ] ||
  fail "local time before the calendar: $message"
"$sky" --place Ulm 14.03.1879 11:30 10 48 >/dev/null 2>&1
[ $? -eq 2 ] || fail "--place with coordinates"
"$sky" --tsv --local </dev/null >/dev/null 2>&1
[ $? -eq 2 ] || fail "--tsv --local"

[ "$failures" -eq 0 ] && echo "all place checks passed"
exit $((failures > 0))
