#!/usr/bin/env bash
# Runs sternwerk-sky as a user and a script would and checks its output and
# exit status.
set -u
sky=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect_status() {  # status, then the arguments
  local want=$1; shift
  local err
  err=$("$sky" "$@" 2>&1 >/dev/null)
  local got=$?
  [ "$got" -eq "$want" ] || fail "$* exited $got, expected $want"
  if [ "$want" -eq 2 ]; then
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "$*: error is not one line: $err"
  fi
}

out=$("$sky" 07.12.2026 00:00)
[ "$(printf '%s\n' "$out" | wc -l)" -eq 26 ] || fail "expected 3 header lines and 23 factors"
grep -qx 'Mo, 07.12.2026' <<<"$out" || fail "date line"
grep -qx '00:00:00 WZ/GMT' <<<"$out" || fail "time line"
grep -qx "010°00' E, 50°00' N" <<<"$out" || fail "place line"
grep -qx " SO 254°52'37\"=14°53'SCH" <<<"$out" || fail "Sun line (UTF-8 degree sign)"
grep -qx " GZ 267°14'40\"=27°15'SCH" <<<"$out" || fail "GZ line"

out=$("$sky" 04.04.2000 18:14 13.366767 52.5501)
grep -q "^ MC 118°0[78]'" <<<"$out" || fail "MC of the new moon example: $(grep MC <<<"$out")"
grep -qx "013°22' E, 52°33' N" <<<"$out" || fail "place line of the example"
"$sky" 01.01.2000 12:00 -73.5 -33.25 | grep -qx "073°30' W, 33°15' S" || fail "west/south place"

expect_status 0 --help
expect_status 2
message=$("$sky" --frobnicate 2>&1 >/dev/null)
[ "$message" = 'sternwerk-sky: unbekannte Option "--frobnicate" (--help zeigt den Aufruf)' ] ||
  fail "unknown option: $message"
expect_status 2 --precise --frobnicate
expect_status 2 31.02.2026 12:00
expect_status 2 01.01.2026 24:30
expect_status 2 01.01.2026 12:00 181 50
expect_status 2 01.01.2026 12:00 10 -91
expect_status 2 01.01.2026 12:00 zehn 50
expect_status 2 01.01.2026 12:00 10
expect_status 2 --tsv extra

tsv=$(printf '# Tag Monat Jahr Stunden Länge Breite\n1 1 2000 12 10 50\n\n  # Berlin\n7 12 2026 0 10 50\n' |
  "$sky" --tsv)
[ "$(printf '%s\n' "$tsv" | wc -l)" -eq 2 ] || fail "tsv: two lines expected"
first=$(head -n1 <<<"$tsv")
[ "$(awk -F'\t' '{print NF}' <<<"$first")" -eq 26 ] || fail "tsv: 26 fields expected"
[ "$(cut -f1 <<<"$first")" = "1.000000000" ] || fail "tsv: T of J2000"
[ "$(cut -f26 <<<"$first")" = "00000100001010110" ] || fail "tsv: retrograde flags of J2000"

partial=$(printf '1 1 2000 12 10 50\n2 1 2000 x 10 50\n3 1 2000 0 10 50\n' | "$sky" --tsv 2>/tmp/sky_tsv_err.$$)
status=$?
[ "$status" -eq 2 ] || fail "tsv: malformed line exited $status"
[ "$(printf '%s\n' "$partial" | wc -l)" -eq 1 ] || fail "tsv: lines before the bad one must be complete"
grep -q 'Zeile 2: Stunden "x": keine Dezimalzahl' /tmp/sky_tsv_err.$$ || fail "tsv: message must name line 2 and its field"
printf '1 1 2000 12 10 50\n31 4 2026 12 10 50\n' | "$sky" --tsv 2>&1 >/dev/null |
  grep -q 'Zeile 2: 31.4.2026 ist kein gültiges Datum' || fail "tsv: message must name the date"
[ "$(printf '1 1 2000 12,5 10,25 50,5\n' | "$sky" --tsv)" = "$(printf '1 1 2000 12.5 10.25 50.5\n' | "$sky" --tsv)" ] ||
  fail "tsv: decimal comma"
[ "$("$sky" 01.01.2026 12:00 10,5 50,25)" = "$("$sky" 01.01.2026 12:00 10.5 50.25)" ] || fail "decimal comma"
rm -f /tmp/sky_tsv_err.$$
for bad in '1 1 2000 12 10' '1 1 2000 12 10 50 7' '1 1 2000 nan 10 50' '1.5 1 2000 0 10 50' \
  '99999999999 1 2000 0 10 50'; do
  printf '%s\n' "$bad" | "$sky" --tsv >/dev/null 2>&1
  [ $? -eq 2 ] || fail "tsv accepted: $bad"
done

# --dial writes the dial as a picture file, chosen by the file's extension.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for name in dial.wmf dial.svg dial.png ALL.PNG; do
  "$sky" --dial "$dir/$name" 07.12.2026 21:30 13.4 52.5 --all || fail "--dial $name exited $?"
  [ -s "$dir/$name" ] || fail "--dial $name: file missing or empty"
done
"$sky" --dial "$dir/symbols.png" 07.12.2026 21:30 || fail "--dial exited $?"
"$sky" --dial "$dir/plain.png" 07.12.2026 21:30 --no-symbols || fail "--dial --no-symbols exited $?"
[ "$(od -An -tx1 -N4 "$dir/dial.wmf" | tr -d ' ')" = "d7cdc69a" ] || fail "--dial: WMF lacks the placeable key"
[ "$(od -An -tu1 -j16 -N8 "$dir/dial.png" | tr -s ' ')" = " 0 0 2 17 0 0 2 42" ] ||
  fail "--dial: PNG is not 529 x 554"
# The placeable header's bounding box: the WMF has the frame of PNG and SVG.
[ "$(od -An -tu2 -j10 -N4 "$dir/dial.wmf" | tr -s ' ')" = " 529 554" ] ||
  fail "--dial: WMF frame is not 529 x 554"
grep -q '<svg' "$dir/dial.svg" || fail "--dial: not an SVG file"
grep -q "@font-face { font-family: 'VizizizizuRavorod'; src: url(data:font/ttf;base64," \
  "$dir/dial.svg" || fail "--dial: the SVG does not carry the symbol font"
cmp -s "$dir/symbols.png" "$dir/plain.png" && fail "--dial: the symbol font beside the program was not used"
expect_status 2 --dial "$dir/dial.bmp" 07.12.2026 21:30
expect_status 2 --dial "$dir/missing/dial.png" 07.12.2026 21:30
expect_status 2 --dial "$dir/missing/dial.wmf" 07.12.2026 21:30
expect_status 2 --dial "$dir/dial.svg" 31.02.2026 21:30
expect_status 2 --dial "$dir/dial.png" 07.12.2026 21:30 --colour
expect_status 2 --dial 07.12.2026 21:30
expect_status 2 --dial
[ -e "$dir/dial.bmp" ] && fail "--dial wrote a file with an unknown extension"
# The system's reasons are told in German, without the English original (a
# full disk: sky_full_place_test.sh).
mkdir "$dir/folder.svg"
for target in "$dir/missing/dial.png:nicht gefunden" "$dir/folder.svg:Ist ein Verzeichnis"; do
  file=${target%%:*}
  message=$("$sky" --dial "$file" 07.12.2026 21:30 2>&1 >/dev/null)
  grep -q "${target#*:}" <<<"$message" || fail "German reason expected: $message"
  grep -Eq "No such|No space|Is a directory" <<<"$message" && fail "English reason: $message"
done

# --search: the first second of the day inside the tolerance, then the
# factor's and the axis' longitudes; the date moves on past midnight.
out=$("$sky" --search aufgang so 08.12.2026)
[ "$(head -n1 <<<"$out")" = "08.12.2026 07:11:31" ] || fail "--search aufgang: $out"
grep -q '^ SO 256°' <<<"$out" && grep -q '^ AS 256°' <<<"$out" || fail "--search aufgang lines: $out"
out=$("$sky" --search untergang MO 31.12.2026 13.4 52.5)
grep -q '^ DC ' <<<"$out" || fail "--search untergang names the descendant: $out"
# The full moon of 24.12.2026 falls at 01:28 UT; the band of 0.1 degree is
# entered about ten minutes before, its closest step is reported.
out=$("$sky" --search vollmond 08.12.2026)
[ "$(head -n1 <<<"$out")" = "24.12.2026 01:29:30" ] || fail "--search vollmond: $out"
[ "$("$sky" --search Vollmond 08.12.2026)" = "$out" ] || fail "--search kinds ignore case"
out=$("$sky" --search vollmond 20.12.9999)
[ $? -eq 1 ] || fail "--search to the end of the calendar must exit 1"
grep -q "31.12.9999.*endet der Kalender" <<<"$out" || fail "--search at the calendar's end: $out"
"$sky" --search neumond 31.12.2026 | head -n1 | grep -q '^..\.01\.2027 ' || fail "--search neumond into the next year"
"$sky" --search aufgang SO 01.12.2026 10 80 >/dev/null
[ $? -eq 1 ] || fail "--search: the polar night Sun must not be found (status 1)"
expect_status 2 --search
expect_status 2 --search sonne SO 01.01.2026
expect_status 2 --search aufgang 01.01.2026
expect_status 2 --search aufgang AS 01.01.2026
expect_status 2 --search kulmination GZ 01.01.2026
expect_status 2 --search aufgang SO 31.02.2026
expect_status 2 --search aufgang SO 01.01.2026 10
expect_status 2 --search aufgang SO 01.01.2026 10 95
expect_status 2 --search vollmond SO 01.01.2026
# The event follows the instant, named as the clock names it; the default
# place, in Germany, has its local time told last.
for search in "aufgang so 08.12.2026:SO-Aufgang" "untergang MO 31.12.2026:MO-Untergang" \
  "kulmination ve 08.12.2026:VE-Kulmination" "vollmond 08.12.2026:Vollmond" \
  "neumond 08.12.2026:Neumond"; do
  # shellcheck disable=SC2086
  out=$("$sky" --search ${search%%:*})
  [ "$(sed -n 2p <<<"$out")" = "${search#*:}" ] || fail "--search ${search%%:*}: event line: $out"
  [ "$(wc -l <<<"$out")" -eq 5 ] && grep -q '^Ortszeit: .* MEZ (UT+1:00:00)$' <<<"$out" ||
    fail "--search ${search%%:*}: instant, event, two positions, local time: $out"
done
# A time to scan from: the new moon of 09.12.2026 00:52:30 UT is found from
# before it, not from three minutes after; then the January one is.
[ "$("$sky" --search neumond 09.12.2026 00:45 | head -n1)" = "09.12.2026 00:52:30" ] ||
  fail "--search neumond from 00:45"
[ "$("$sky" --search neumond 09.12.2026 00:55 | head -n1)" = "07.01.2027 20:25:00" ] ||
  fail "--search neumond from 00:55"
# The open Atlantic has no zone, so no local time.
[ "$("$sky" --search aufgang SO 21.06.2026 -30 0 | wc -l)" -eq 4 ] || fail "--search at sea"
# "jetzt" and "now" are the present in Universal Time.
before=$(date -u +%s)
out=$("$sky" jetzt 13.4 52.5)
after=$(date -u +%s)
shown=$(awk 'NR == 1 { split($2, d, "."); printf "%s-%s-%s ", d[3], d[2], d[1] }
             NR == 2 { print $1 }' <<<"$out")
shown=$(date -u -d "$shown" +%s)
[ "$before" -le "$shown" ] && [ "$shown" -le "$after" ] || fail "jetzt is not the present: $out"
found=$(date -u -d "$("$sky" --search vollmond now | awk 'NR == 1 {
          split($1, d, "."); print d[3] "-" d[2] "-" d[1] " " $2 }')" +%s)
[ "$found" -ge "$before" ] || fail "--search vollmond now found a full moon before now"
expect_status 2 --search vollmond jetzt 12:00
# A rise without its factor names the codes to choose from.
message=$("$sky" --search aufgang 08.12.2026 2>&1 >/dev/null)
grep -q "erwartet vor dem Datum einen Faktor: SO, MO, ME, .*PO" <<<"$message" ||
  fail "missing factor: $message"
message=$("$sky" --horizon --search kulmination 08.12.2026 2>&1 >/dev/null)
grep -q "Faktor: SO, MO, ME, VE, MA, JU, SA, UR, NE, PL (" <<<"$message" ||
  fail "missing factor at the horizon: $message"

# Degrees and minutes are the decimal degrees they stand for.
decimal=$("$sky" 07.12.2026 12:00 -9.5 48.25)
for place in "9°30'W 48°15'N" "9:30w 48:15" "-9d30 48d15n" "9:30:00W 48°15'00\"N"; do
  # shellcheck disable=SC2086
  [ "$("$sky" 07.12.2026 12:00 $place)" = "$decimal" ] || fail "place $place"
done
expect_status 2 07.12.2026 12:00 "9°30'N" 48
expect_status 2 07.12.2026 12:00 9:30 48:15E
expect_status 2 07.12.2026 12:00 -9:30W 48
[ "$(printf '7 12 2026 12:30:36 10 50\n' | "$sky" --tsv)" = \
  "$(printf '7 12 2026 12.51 10 50\n' | "$sky" --tsv)" ] || fail "tsv: hours as HH:MM:SS"

# --horizon: rise and set as Berlin's almanac gives them for the solstice
# (04:43 and 21:33 summer time), before or after --precise.
for options in "--horizon" "--horizon --precise" "--precise --horizon"; do
  # shellcheck disable=SC2086
  out=$("$sky" $options --search aufgang so 21.06.2026 13.4 52.5) || fail "$options: exit $?"
  grep -q '^21.06.2026 02:4[23]:' <<<"$out" || fail "$options --search aufgang: $out"
  [ "$(sed -n 2p <<<"$out")" = "SO-Aufgang am Horizont" ] || fail "$options: event line: $out"
done
out=$("$sky" --horizon --search untergang SO 21.06.2026 13.4 52.5)
grep -q '^21.06.2026 19:3[34]:' <<<"$out" || fail "--horizon untergang: $out"
out=$("$sky" --horizon --search kulmination MO 21.06.2026 13.4 52.5)
[ "$(sed -n 2p <<<"$out")" = "MO-Meridiandurchgang" ] || fail "--horizon kulmination: $out"
out=$("$sky" --horizon --search aufgang SO 21.06.2026 18.96 69.65)
[ $? -eq 1 ] || fail "--horizon: the midnight sun has no rise (status 1)"
grep -q "Polartag oder Polarnacht" <<<"$out" || fail "--horizon polar day: $out"
expect_status 2 --horizon --search aufgang CU 21.06.2026
expect_status 2 --horizon --search vollmond 21.06.2026
expect_status 2 --horizon 21.06.2026 12:00
expect_status 2 --horizon --search aufgang SO 21.06.5000

# --chart writes the enlarged chart as a picture, or its printed page as PDF.
for name in chart.wmf chart.svg chart.png chart.pdf CHART.PDF; do
  "$sky" --chart "$dir/$name" 07.12.2026 21:30 13.4 52.5 --all || fail "--chart $name exited $?"
  [ -s "$dir/$name" ] || fail "--chart $name: file missing or empty"
done
[ "$(od -An -tx1 -N4 "$dir/chart.wmf" | tr -d ' ')" = "d7cdc69a" ] || fail "--chart: WMF lacks the placeable key"
if command -v wmf2svg >/dev/null; then
  wmf2svg -o "$dir/chart_external.svg" "$dir/chart.wmf" && grep -q '<svg' "$dir/chart_external.svg" ||
    fail "--chart: the external reader cannot read the WMF"
fi
[ "$(od -An -tu1 -j16 -N8 "$dir/chart.png" | tr -s ' ')" = " 0 0 2 228 0 0 2 228" ] ||
  fail "--chart: PNG is not 740 x 740"
grep -q '<svg' "$dir/chart.svg" || fail "--chart: not an SVG file"
if command -v pdftotext >/dev/null; then
  page=$(pdftotext -layout "$dir/chart.pdf" -)
  grep -q "Datum / Zeit: Mo, 07.12.2026 / 21:30:00 WZ/GMT *Ort: 013°24' E, 52°30' N" <<<"$page" ||
    fail "--chart: PDF header"
  [ "$(grep -oE "\b[A-Z]{2} +[0-9]{2}°[0-9]{2}'" <<<"$page" | wc -l)" -eq 23 ] ||
    fail "--chart: PDF list of 23 factors"
  # An image with an alpha channel (a soft mask) makes printers rasterise
  # the whole page.
  pdfimages -list "$dir/chart.pdf" | grep -q smask && fail "--chart: the PDF's icon has a soft mask"
  pdfinfo "$dir/chart.pdf" | grep -q "^Title: *Sternwerk - Diagramm 07.12.2026 21:30:00$" ||
    fail "--chart: PDF title"
  "$sky" --chart "$dir/twelve.pdf" 07.12.2026 21:30 -73.5 -33.25 || fail "--chart twelve.pdf"
  page=$(pdftotext -layout "$dir/twelve.pdf" -)
  grep -q "Ort: 073°30' W, 33°15' S" <<<"$page" || fail "--chart: place written as the clock window does"
  [ "$(grep -oE "\b[A-Z]{2} +[0-9]{3}°[0-9]{2}'[0-9]{2}\"" <<<"$page" | wc -l)" -eq 13 ] ||
    fail "--chart: PDF list of 13 factors"
fi
"$sky" --chart "$dir/symbols.png" 07.12.2026 21:30 || fail "--chart exited $?"
"$sky" --chart "$dir/plain.png" 07.12.2026 21:30 --no-symbols || fail "--chart --no-symbols exited $?"
cmp -s "$dir/symbols.png" "$dir/plain.png" && fail "--chart: the symbol font beside the program was not used"
expect_status 2 --chart "$dir/chart.bmp" 07.12.2026 21:30
expect_status 2 --chart "$dir/missing/chart.png" 07.12.2026 21:30
expect_status 2 --chart "$dir/missing/chart.wmf" 07.12.2026 21:30
expect_status 2 --chart "$dir/missing/chart.pdf" 07.12.2026 21:30
expect_status 2 --chart "$dir/chart.svg" 31.02.2026 21:30
expect_status 2 --chart "$dir/chart.png" 07.12.2026 21:30 --colour
expect_status 2 --chart
[ -e "$dir/chart.bmp" ] && fail "--chart wrote a file with an unknown extension"

# --outside writes the view south between the horizons.
for name in outside.wmf outside.svg outside.png; do
  "$sky" --outside "$dir/$name" 04.04.2000 18:14 13.366667 52.55 --all || fail "--outside $name exited $?"
  [ -s "$dir/$name" ] || fail "--outside $name: file missing or empty"
done
[ "$(od -An -tu1 -j16 -N8 "$dir/outside.png" | tr -s ' ')" = " 0 0 3 22 0 0 0 235" ] ||
  fail "--outside: PNG is not 790 x 235"
if command -v convert >/dev/null; then
  [ "$(convert "$dir/outside.png" -format '%[pixel:p{400,120}]' info:)" = "srgba(0,0,128,1)" ] ||
    fail "--outside: PNG is not on the window's navy"
fi
grep -A3 -m1 'fill="#000080"' "$dir/outside.svg" | grep -q '<rect x="0" y="0" width="790" height="235"/>' ||
  fail "--outside: SVG is not on the window's navy"
if command -v wmf2svg >/dev/null; then
  wmf2svg -o "$dir/outside_external.svg" "$dir/outside.wmf" &&
    grep -q 'Abstand zu MC: 82' "$dir/outside_external.svg" ||
    fail "--outside: the external reader does not find the MC's distance in the WMF"
fi
"$sky" --outside "$dir/twelve.png" 04.04.2000 18:14 13.366667 52.55 || fail "--outside twelve exited $?"
cmp -s "$dir/outside.png" "$dir/twelve.png" && fail "--outside: --all draws nothing more"
expect_status 2 --outside "$dir/outside.pdf" 04.04.2000 18:14
expect_status 2 --outside "$dir/missing/outside.png" 04.04.2000 18:14
expect_status 2 --outside "$dir/outside.png" 04.04.2000 25:14
expect_status 2 --outside --all

# --precise before any command: the Swiss Ephemeris' positions. Meeus'
# worked example: the Sun at 1992 Oct 13.0 TD (23:59:01 UT the day before)
# stands at 199°54'21.8".
out=$("$sky" --precise 12.10.1992 23:59:01)
grep -qx 'Berechnung: genau' <<<"$out" || fail "--precise: the list does not name the computation"
grep -q "^ SO 199°54'2[12]\"" <<<"$out" || fail "--precise: Sun $(grep ' SO' <<<"$out")"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 27 ] || fail "--precise: expected 4 header lines and 23 factors"
"$sky" --precise 01.01.5000 00:00 | grep -qx 'Berechnung: eigene statt genau' ||
  fail "--precise beyond the library's years does not say it fell back"
reason=$("$sky" --precise 01.01.5000 00:00 2>&1 >/dev/null)
grep -q "^sternwerk-sky: Swiss Ephemeris: .*sepl_48.se1.*; es gilt die eigene Berechnung$" \
  <<<"$reason" || fail "--precise fallback without the library's reason: $reason"
own=$(printf '7 12 2026 13.5 10 50\n' | "$sky" --tsv)
# --tsv --header: one line naming the columns, then the lines as without it.
with_header=$(printf '7 12 2026 13.5 10 50\n' | "$sky" --tsv --header)
[ "$(sed -n 2p <<<"$with_header")" = "$own" ] || fail "--tsv --header changed the data line"
header=$(head -n1 <<<"$with_header")
[ "$(awk -F'\t' '{print NF}' <<<"$header")" = "$(awk -F'\t' '{print NF}' <<<"$own")" ] ||
  fail "--tsv --header: the header does not name every column: $header"
[[ "$header" == T$'\t'RAMC$'\t'MC$'\t'WI$'\t'SO* && "$header" == *GZ$'\t'retrograd ]] ||
  fail "--tsv --header: $header"
expect_status 2 --tsv --frobnicate

precise=$(printf '7 12 2026 13.5 10 50\n' | "$sky" --precise --tsv)
[ "$(awk -F'\t' '{print NF}' <<<"$precise")" = "$(awk -F'\t' '{print NF}' <<<"$own")" ] ||
  fail "--precise --tsv: other fields than --tsv"
[ "$own" != "$precise" ] || fail "--precise --tsv: same positions as the own computation"
found=$("$sky" --precise --search vollmond 01.01.2026) || fail "--precise --search exited $?"
grep -q '^03.01.2026 ' <<<"$found" || fail "--precise --search: $found"
# The outside view rounds to whole pixels, where the two may agree.
for command in dial chart outside; do
  "$sky" --precise --$command "$dir/precise_$command.svg" 04.04.2000 18:14 ||
    fail "--precise --$command exited $?"
  "$sky" --$command "$dir/own_$command.svg" 04.04.2000 18:14
  [ $command = outside ] || ! cmp -s "$dir/precise_$command.svg" "$dir/own_$command.svg" ||
    fail "--precise --$command draws the own positions"
done
expect_status 2 --precise
expect_status 2 --precise --precise 01.01.2026 12:00

[ "$failures" -eq 0 ] && echo "all sternwerk-sky checks passed"
exit $((failures > 0))
