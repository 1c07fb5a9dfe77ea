#!/usr/bin/env bash
# sternwerk-sky's sky from here: --observe, --ephemeris and the eclipse and
# twilight searches, in both languages, with their exit statuses and
# messages for bad input.
set -u
sky=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
german() { LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8 "$sky" "$@"; }
english() { german --language en "$@"; }

# An eclipse: the maximum in UT, then the kind, in either language's words.
out=$(german --search sonnenfinsternis 01.01.2027 --place Luxor)
[ $? -eq 0 ] || fail "solar eclipse from Luxor exited non-zero"
grep -qx '02\.08\.2027 10:0[4-6]:[0-9][0-9]' <<<"$(head -n 1 <<<"$out")" || fail "Luxor maximum: $out"
[ "$(sed -n 2p <<<"$out")" = "Totale Sonnenfinsternis" ] || fail "Luxor kind: $out"
grep -q '^Dauer der Totalität: 6 min [12][0-9] s$' <<<"$out" || fail "Luxor totality: $out"
[ "$(english --search solar-eclipse 01.01.2027 11.58 48.14 | sed -n 2p)" = "Partial solar eclipse" ] ||
  fail "Munich 2027 in English"
kinds=$(english --search lunar-eclipse 04.03.2026 | sed -n 2p; english --search mondfinsternis 01.09.2026 | sed -n 2p)
[ "$kinds" = $'Partial lunar eclipse\nPenumbral lunar eclipse' ] || fail "lunar kinds: $kinds"
english --search lunar-eclipse 01.08.2025 -74.0 40.7 | grep -q "at maximum: .*, not visible$" ||
  fail "New York does not see the eclipse of 7 September 2025"

# Twilight: found, or exit 1 with a message where the Sun stays too high.
out=$(german --local --search buergerliche-morgendaemmerung 21.06.2026 13.40 52.52)
[ "$(sed -n 2p <<<"$out")" = "Bürgerliche Morgendämmerung" ] || fail "civil dawn: $out"
grep -qx 'Ortszeit: 21\.06\.2026 03:5[0-9]:[0-9][0-9] MESZ (UT+2:00:00)' <<<"$out" ||
  fail "civil dawn local time: $out"
out=$(english --search astronomical-dusk 21.06.2026 13.40 52.52)
[ $? -eq 1 ] || fail "no astronomical dusk in Berlin in June: exit status"
grep -q "^Astronomical dusk not found: the Sun does not cross 18° below the horizon" <<<"$out" ||
  fail "no astronomical dusk: $out"

# The window's table as text: the clock of its times, what is up first.
out=$(german --observe 21.06.2026 12:00 --place Berlin)
grep -qx 'Zeiten: Ortszeit (MESZ)' <<<"$out" || fail "--observe clock line: $out"
grep -q '^SO  *+59,[0-9]°  *20[34],[0-9]°  *SSW  *über ' <<<"$out" || fail "--observe Sun row: $out"
grep -qx 'Astronomische Abenddämmerung: keine' <<<"$out" || fail "--observe twilight: $out"

# The spreadsheet table: header, a line per instant and body, points.
out=$(german --ephemeris 21.06.2026 00:00 --until 22.06.2026 00:00 --step 60 13.40 52.52)
header='utc	local	body	longitude	latitude	ra	dec	altitude	azimuth	distance	magnitude	illuminated'
[ "$(head -n 1 <<<"$out")" = "$header" ] || fail "--ephemeris header"
[ "$(wc -l <<<"$out")" -eq $((1 + 25 * 10)) ] || fail "--ephemeris: $(wc -l <<<"$out") lines"
grep -q ',' <<<"$out" && fail "--ephemeris writes a decimal comma"
grep -qP '^2026-06-21 12:00:00\t2026-06-21 14:00:00 MESZ\tSO\t90\.1' <<<"$out" ||
  fail "--ephemeris Sun line: $(grep -m1 $'\tSO\t' <<<"$out")"
awk -F'\t' 'NR > 1 && NF != 12 { exit 1 }' <<<"$out" || fail "--ephemeris: not 12 columns"
[ -z "$(german --ephemeris 01.01.2026 00:00 0 0 | sed -n 2p | cut -f2)" ] ||
  fail "--ephemeris: a local column without a zone"

# Bad input: exit status 2 and one line naming what is wrong.
bad() {  # expected message, then the arguments
  local want=$1; shift
  local err
  err=$(german "$@" 2>&1 >/dev/null)
  local got=$?
  [ "$got" -eq 2 ] || fail "$* exited $got"
  [ "$err" = "sternwerk-sky: $want (--help zeigt den Aufruf)" ] || fail "$*: $err"
}
bad '--ephemeris erwartet Datum und Zeit oder jetzt' --ephemeris
bad '--until liegt vor dem ersten Zeitpunkt' --ephemeris 02.01.2026 00:00 --until 01.01.2026 00:00
bad '--step "0": mindestens eine Sekunde (1/60 Minute)' --ephemeris 01.01.2026 00:00 --step 0
bad '--step steht einmal und mit seinem Wert nach dem Zeitpunkt' --ephemeris 01.01.2026 00:00 --step
bad 'Datum "31.02.2026": diesen Tag gibt es nicht' --observe 31.02.2026 12:00
bad 'Datum "31.02.2026": diesen Tag gibt es nicht' --search mondfinsternis 31.02.2026

[ "$failures" -eq 0 ] || exit 1
echo "all sky-here checks passed"
