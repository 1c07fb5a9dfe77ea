#!/usr/bin/env bash
# sternwerk-sky in both languages: the desktop's language or --language
# chooses the usage and the messages, the search kinds of both languages
# find the same event, and the --tsv output is the same in both.
set -u
sky=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
german() { LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8 "$sky" "$@"; }
english() { LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 "$sky" "$@"; }

# The first line of --help names the language the run speaks.
first_help_line() { "$@" --help | head -n 1; }
[ "$(first_help_line german)" = "Aufruf:" ] || fail "C locale: $(first_help_line german)"
[ "$(first_help_line english)" = "Usage:" ] || fail "en_US: $(first_help_line english)"
[ "$(first_help_line english --language de)" = "Aufruf:" ] || fail "--language de on English"
[ "$(first_help_line german --language en)" = "Usage:" ] || fail "--language en on German"
french=$(LANGUAGE= LC_ALL= LANG=fr_FR.UTF-8 "$sky" --help | head -n 1)
[ "$french" = "Aufruf:" ] || fail "French desktop: $french"
help_en=$(english --help)
grep -q -- "--language de|en" <<<"$help_en" || fail "English usage lacks --language"
grep -q "fullmoon|newmoon" <<<"$help_en" || fail "English usage lacks the English kinds"

# A bad --language is a usage error, told in the desktop's language.
message=$(english --language fr 2>&1 >/dev/null)
status=$?
[ $status -eq 2 ] || fail "--language fr exited $status"
[ "$message" = 'sternwerk-sky: language "fr": expected de or en (--help shows the usage)' ] ||
  fail "--language fr on English: $message"
message=$(german --language fr 2>&1 >/dev/null)
[ "$message" = 'sternwerk-sky: Sprache "fr": erwartet de oder en (--help zeigt den Aufruf)' ] ||
  fail "--language fr on German: $message"
message=$(english --language en --language de 2>&1 >/dev/null)
[ $? -eq 2 ] && [ "$message" = 'sternwerk-sky: --language given twice (--help shows the usage)' ] ||
  fail "--language twice on English: $message"
english --language 2>/dev/null
[ $? -eq 2 ] || fail "--language without a value"

# Messages of the tool follow the language; the status stays.
de=$(german --frobnicate 2>&1 >/dev/null)
en=$(english --frobnicate 2>&1 >/dev/null)
[ "$de" = 'sternwerk-sky: unbekannte Option "--frobnicate" (--help zeigt den Aufruf)' ] ||
  fail "German message: $de"
[ "$en" != "$de" ] && grep -q -- '"--frobnicate"' <<<"$en" || fail "English message: $en"
# The arguments' messages too, with the value where English puts it.
pairs=(
  "31.02.2026 12:00|Datum \"31.02.2026\": diesen Tag gibt es nicht|date \"31.02.2026\": there is no such day"
  "01.01.2026 12:00 200 50|Länge \"200\": muss zwischen -180 und 180 liegen|longitude \"200\": must lie between -180 and 180"
  "--dial|--dial erwartet zuerst den Namen der Bilddatei|--dial needs the name of the picture file first"
)
for pair in "${pairs[@]}"; do
  IFS='|' read -r arguments want_de want_en <<<"$pair"
  read -ra words <<<"$arguments"
  de=$(german "${words[@]}" 2>&1 >/dev/null)
  en=$(english "${words[@]}" 2>&1 >/dev/null)
  [ "$de" = "sternwerk-sky: $want_de (--help zeigt den Aufruf)" ] || fail "German: $de"
  [ "$en" = "sternwerk-sky: $want_en (--help shows the usage)" ] || fail "English: $en"
done
tsv_en=$(english --tsv <<<"1 13 2024 1 1 1" 2>&1 >/dev/null)
[ "$tsv_en" = "sternwerk-sky: line 1: 1.13.2024 is not a valid date" ] || fail "--tsv: $tsv_en"
for kind in neu fullmon; do
  english --search $kind 01.01.2024 2>/dev/null
  [ $? -eq 2 ] || fail "--search $kind is not refused"
done

# A file that cannot be written: one sentence with the system's reason, in
# the language of the run.
for kind in --dial --chart; do
  target=/nonexistent/folder/picture.wmf
  de=$(german $kind $target 01.01.2026 12:00 2>&1 >/dev/null)
  en=$(english $kind $target 01.01.2026 12:00 2>&1 >/dev/null)
  [ "$de" = "sternwerk-sky: Die Datei $target kann nicht geschrieben werden: Datei oder Verzeichnis nicht gefunden" ] ||
    fail "German $kind failure: $de"
  [ "$en" = "sternwerk-sky: The file $target cannot be written: No such file or directory" ] ||
    fail "English $kind failure: $en"
done

# A place's local time with the English zone names and notes.
out=$(english --local --place Berlin 25.10.2026 02:30)
grep -qx "Place: Berlin, .*, Europe/Berlin" <<<"$out" || fail "English place line: $out"
grep -qx "Local time: 25.10.2026 02:30:00 CEST (UT+2:00:00) (occurs twice: the earlier one is used)" \
  <<<"$out" || fail "English repeated hour: $out"
grep -qx "Local time: 07.12.2026 12:00:00 CET (UT+1:00:00)" <<<"$(english --local --place Berlin 07.12.2026 12:00)" ||
  fail "English winter time in Berlin"
grep -qx "Local time: 14.03.1879 11:30:00 local mean time (UT+0:39:58)" \
  <<<"$(english --local --place Ulm 14.03.1879 11:30)" || fail "English mean time in Ulm"

# Every kind has its German and English names; each finds the same event,
# told in the language of the run at the same instant.
same_event() {  # the German kind, then its English names
  local want want_en
  want=$(german --search "$1" "${@:5}" 2>&1)
  want_en=$(english --search "$1" "${@:5}" 2>&1)
  [ "$(head -n 1 <<<"$want_en")" = "$(head -n 1 <<<"$want")" ] || fail "$1: English instant"
  local kind
  for kind in "${@:2:3}"; do
    [ -n "$kind" ] || continue
    [ "$(german --search "$kind" "${@:5}" 2>&1)" = "$want" ] || fail "$kind differs from $1"
    [ "$(english --search "$kind" "${@:5}" 2>&1)" = "$want_en" ] || fail "$kind in English differs"
  done
}
same_event vollmond fullmoon full-moon FullMoon 01.01.2024
same_event neumond newmoon new-moon "" 01.01.2024
same_event aufgang rise RISE "" MA 01.01.2024
same_event untergang set "" "" MA 01.01.2024
same_event kulmination culmination "" "" MA 01.01.2024

# The list: English weekday, UT, codes and signs; the same angles.
list_de=$(german 09.12.2026 12:00 10 50)
list_en=$(english 09.12.2026 12:00 10 50)
[ "$(head -n 2 <<<"$list_en")" = $'Wed, 09.12.2026\n12:00:00 UT' ] || fail "English list head"
grep -q "^ SU " <<<"$list_en" && ! grep -q "^ SO " <<<"$list_en" || fail "English list codes"
grep -q "^ SO " <<<"$list_de" && grep -q "WZ/GMT" <<<"$list_de" || fail "German list"
angles() { tail -n +4 | cut -c4-21; }
[ "$(angles <<<"$list_en")" = "$(angles <<<"$list_de")" ] || fail "the list's angles differ"
[ "$(grep -c "SAG$" <<<"$list_en")" = "$(grep -c "SCH$" <<<"$list_de")" ] || fail "English signs"
# A script's German factor code still finds the event in English.
[ "$(english --search aufgang SO 01.01.2024)" = "$(english --search aufgang SU 01.01.2024)" ] ||
  fail "the German code in English"

# --tsv is for scripts: the same bytes in both languages.
input=$'1 1 2024 12.5 10 50\n24 6 1999 0 -73.5 -33.25\n'
tsv_de=$(german --tsv --header <<<"$input")
tsv_en=$(english --tsv --header <<<"$input")
[ -n "$tsv_de" ] && [ "$tsv_de" = "$tsv_en" ] || fail "--tsv differs between the languages"

[ $failures -eq 0 ] && echo "all passed"
exit $((failures > 0))
