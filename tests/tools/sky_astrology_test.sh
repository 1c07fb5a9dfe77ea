#!/usr/bin/env bash
# sternwerk-sky's aspects and midpoints recomputed from the longitudes of
# the position list it prints, applying or separating from the list ten
# minutes later; the polar houses, the chart drawn and printed with houses
# and aspects, and the options' refusals.
set -u
sky=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
at="07.12.2026 00:00 13.4 52.5"
later="07.12.2026 00:10 13.4 52.5"

# Longitudes of the listed lines ("code degrees"), from the position list's
# full form.
longitudes() { awk '/^ *[A-Z0-9]+ [0-9]+°/ { s = $2; sub(/=.*/, "", s); gsub(/[^0-9]+/, " ", s)
  split(s, p, " "); print $1, p[1] + p[2] / 60 + p[3] / 3600 }'; }

# Aspects and midpoints of the twelve factors, recomputed from the list.
list=$("$sky" $at)
aspects=$("$sky" --aspects $at | grep -E '^[A-Z]{2} [A-Z]{2} ')
midpoints=$("$sky" --midpoints $at | grep -E '^[A-Z]{2}/[A-Z]{2} ')
[ "$(wc -l <<<"$midpoints")" -eq 66 ] || fail "--midpoints: 66 pairs of twelve factors expected"
recompute='
  function turn(a, b,  r) { r = (b - a) % 360; if (r < 0) r += 360; return r > 180 ? r - 360 : r }
  function abs(x) { return x < 0 ? -x : x }
  BEGIN { split("MC SO AS MO ME VE MA JU SA UR NE PL", f, " "); split("0 180 120 90 60 45 135", ang, " ")
          split("8 8 7 7 5 2 2", orb, " ")
          split("Konjunktion Opposition Trigon Quadrat Sextil Halbquadrat Anderthalbquadrat", name, " ") }
  FILENAME == ARGV[1] { at[$1] = $2; next }
  FILENAME == ARGV[2] { later[$1] = $2; next }
  END {
    for (i = 1; i <= 12; i++) for (j = i + 1; j <= 12; j++) {
      a = at[f[i]]; b = at[f[j]]; t = turn(a, b); d = abs(t)
      mid = (a + t / 2) % 360; if (mid < 0) mid += 360; place = mid % 90
      printf "M %s/%s %.6f\n", f[i], f[j], place
      for (k = 1; k <= 7; k++) if (abs(d - ang[k]) <= orb[k]) {
        change = abs(abs(turn(later[f[i]], later[f[j]])) - ang[k]) - abs(d - ang[k])
        motion = change < -0.0006 ? "applikativ" : change > 0.0006 ? "separativ" : "?"
        if (f[i] == "MC" || f[i] == "AS" || f[j] == "AS") motion = "?"
        printf "A %s %s %s %.6f %s\n", f[i], f[j], name[k], abs(d - ang[k]), motion }
    } }'
expected=$(awk "$recompute" <(longitudes <<<"$list") <(longitudes <<<"$("$sky" $later)"))
# Each printed midpoint within a minute of the recomputed one (the list
# keeps whole seconds), in the order of the dial.
paste -d' ' <(grep '^M' <<<"$expected" | sort -k3,3n | cut -d' ' -f2,3) <(cat <<<"$midpoints") |
  awk '{ s = $4; gsub(/[^0-9]+/, " ", s); split(s, p, " "); shown = p[1] + p[2] / 60
         d = $2 - shown; if ($1 != $3 || d < -0.0003 || d > 1 / 60 + 0.0003) { print; bad = 1 } }
       END { exit bad }' || fail "--midpoints differ from the list's midpoints"
# Each aspect of the recomputed list printed with its orb and motion.
[ "$(grep -c '^A' <<<"$expected")" -eq "$(wc -l <<<"$aspects")" ] ||
  fail "--aspects: $(wc -l <<<"$aspects") lines, $(grep -c '^A' <<<"$expected") aspects in the list"
join <(grep '^A' <<<"$expected" | awk '{ print $2 "-" $3, $4, $5, $6 }' | sort) \
  <(awk '{ print $1 "-" $2, $3, $4, $5 }' <<<"$aspects" | sort) |
  awk '{ s = $6; gsub(/[^0-9]+/, " ", s); split(s, p, " "); d = $3 - (p[1] + p[2] / 60)
         if ($2 != $5 || d < -0.0003 || d > 1 / 60 + 0.0003 || ($4 != "?" && $7 != $4)) { print; bad = 1 }
         n++ } END { exit bad || n == 0 }' || fail "--aspects differ from the list's aspects"

# In the language of the run; all 22 factors with --all.
"$sky" --language en --aspects $at | grep -qE '^[A-Z]{2} [A-Z]{2} (square|trine|sextile) [0-9]+°[0-9]{2}'"'"' (applying|separating)$' ||
  fail "English aspect names"
[ "$("$sky" --midpoints --all $at | grep -cE '^[A-Z]{2}/[A-Z]{2} ')" -eq 231 ] || fail "--midpoints --all: 231 pairs"

# Tromsø in the polar night: twelve Porphyry cusps for Placidus, with a note.
[ "$("$sky" --houses p 01.01.2027 12:00 18.96 69.65 2>/dev/null | grep -cE '^ ?H[0-9]+ ')" -eq 12 ] ||
  fail "polar Placidus: twelve cusps expected"
err=$("$sky" --houses P 01.01.2027 12:00 18.96 69.65 2>&1 >/dev/null)
[ "$err" = "sternwerk-sky: Placidus ist in dieser Breite nicht definiert; Häuser nach Porphyrius" ] ||
  fail "polar Placidus note: $err"

# --chart with --houses: the cusps' numbers in the picture (the window's
# test compares its PDF with --houses and --aspects); --midpoints is no
# chart's.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$sky" --chart "$dir/c.svg" $at --houses K --aspects || fail "--chart --houses K --aspects"
for house in $(seq 1 12); do grep -q ">$house<" "$dir/c.svg" || fail "--chart: no cusp $house"; done
"$sky" --chart "$dir/m.svg" $at --midpoints 2>/dev/null
[ $? -eq 2 ] && [ ! -e "$dir/m.svg" ] || fail "--chart --midpoints not refused"

# Refusals: status 2 with one message line.
for bad in "--houses Z" "--houses" "--aspects --aspects"; do
  message=$("$sky" $bad 07.12.2026 00:00 2>&1 >/dev/null)
  [ $? -eq 2 ] && [ "$(wc -l <<<"$message")" -eq 1 ] || fail "$bad: $message"
done
message=$("$sky" 07.12.2026 00:00 --houses Z 2>&1 >/dev/null)
[ "$message" = 'sternwerk-sky: --houses: "Z" ist kein Häusersystem (eines von PKRCEWOXTBM) (--help zeigt den Aufruf)' ] ||
  fail "bad letter: $message"

[ "$failures" -eq 0 ] || exit 1
echo "all sternwerk-sky astrology checks passed"
