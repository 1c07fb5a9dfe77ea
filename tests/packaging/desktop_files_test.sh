#!/usr/bin/env bash
# Checks the menu entry, the AppStream metainfo and the manual pages of both
# languages as the desktop, man and Debian's tools read them, and the
# command lines that need no display: --help and --version, and an unknown
# option (exit status 2, a German message, no window).
# Arguments: the build tree.
set -u
build=$1
packaging=$build/packaging
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
readonly app_id=de.sternwerk.Sternwerk

desktop_notes=$(desktop-file-validate "$packaging/$app_id.desktop" 2>&1)
[ -z "$desktop_notes" ] || fail "desktop-file-validate: $desktop_notes"
appstreamcli validate --no-net --explain "$packaging/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"

# The menu entry is in the language the program starts in: English on an
# English desktop, German on every other one, as the desktop looks a key up
# (KEY[ll_CC], KEY[ll], KEY); each English text is a translation of its own.
entry_value() {  # key locale
  local key=$1 locale=$2 candidate
  for candidate in "$key[$locale]" "$key[${locale%%_*}]" "$key"; do
    awk -v key="$candidate" 'index($0, key "=") == 1 { print substr($0, length(key) + 2); found = 1; exit }
      END { exit !found }' "$packaging/$app_id.desktop" && return
  done
}
for key in Name GenericName Comment Keywords; do
  german=$(entry_value "$key" de_DE)
  english=$(entry_value "$key" en_GB)
  [ -n "$german" ] || fail "the menu entry has no $key"
  for locale in de_AT fr_FR C; do
    [ "$(entry_value "$key" "$locale")" = "$german" ] || fail "$key on a $locale desktop is not the German one"
  done
  [ "$(entry_value "$key" en_US)" = "$english" ] || fail "$key differs between English desktops"
  [ "$key" = Name ] || [ "$english" != "$german" ] || fail "$key has no English text: $english"
done
# Every English paragraph and the summary of the metainfo have a German one.
metainfo_count() { xmllint --xpath "count($1)" "$packaging/$app_id.metainfo.xml"; }
[ "$(metainfo_count '//description/p[not(@xml:lang)]')" = "$(metainfo_count '//description/p[@xml:lang="de"]')" ] ||
  fail "the metainfo's description paragraphs are not all in German too"
[ "$(metainfo_count '//summary[@xml:lang="de"]')" = 1 ] || fail "the metainfo has no German summary"

# The manual pages, English in man1/ and German in de/man1/: man and groff
# render each without a warning, each is written in its language, and each
# names every option, placeholder and search kind its program's --help shows
# in that language.
check_manual() {  # page binary language first-section
  local page=$1 binary=$2 language=$3 section=$4 warnings source word
  [ -f "$page" ] || { fail "no manual page $page"; return; }
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -K utf8 -z 2>&1)
  [ -z "$warnings" ] || fail "groff $page: $warnings"
  source=$(zcat "$page" | sed 's/\\-/-/g')
  grep -qx "\.SH $section" <<<"$source" || fail "$page is not the $language page (no section $section)"
  while read -r word; do
    grep -qF -- "$word" <<<"$source" || fail "$page lacks \"$word\" of $(basename "$binary") --help"
  done < <("$binary" --help --language "$language" |
    LC_ALL=C.UTF-8 grep -oE -- '--search [a-z|]+|--[a-z][a-z-]*|\<[A-ZÄÖÜ][A-ZÄÖÜ.]{2,}\>' |
    sed 's/^--search //' | tr '|' '\n' | sort -u)
}
for program in app/sternwerk tools/sternwerk-sky; do
  page=$(basename "$program").1.gz
  check_manual "$packaging/man/man1/$page" "$build/$program" en NAME
  check_manual "$packaging/man/de/man1/$page" "$build/$program" de BEZEICHNUNG
done
# man finds the page of the reader's language in that layout.
for language in de en; do
  found=$(LC_ALL=C.UTF-8 LANGUAGE=$language MANPATH=$packaging/man man -w sternwerk 2>&1)
  expected=$(realpath "$packaging/man/$([ "$language" = de ] && echo de/)man1/sternwerk.1")
  [ "$(realpath -m "${found%.gz}")" = "$expected" ] || fail "man for LANGUAGE=$language finds $found, not $expected"
done

# Without a display: the options are read before any window system is used.
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
for binary in "$build/app/sternwerk" "$build/tools/sternwerk-sky"; do
  program=$(basename "$binary")
  version=$("$binary" --version) || fail "$program --version exited $?"
  grep -q "^$program [0-9]" <<<"$version" || fail "$program --version: $version"
done
help=$("$build/app/sternwerk" --help) || fail "sternwerk --help exited $?"
grep -q -- "--documents-folder" <<<"$help" || fail "sternwerk --help lacks the menu entry's option"
message=$(timeout 10 "$build/app/sternwerk" --bunt 2>&1)
status=$?
[ "$status" -eq 2 ] || fail "sternwerk --bunt exited $status, not 2"
grep -q 'unbekannte Option "--bunt"' <<<"$message" || fail "sternwerk --bunt: $message"

# The language: the desktop's, or --language; the options also without a
# display, a bad language a usage error in German.
english_help=$(LANGUAGE=en "$build/app/sternwerk" --help | head -n 1)
[ "$english_help" = "Usage: sternwerk [--documents-folder] [--language de|en]" ] ||
  fail "sternwerk --help on an English desktop: $english_help"
german_help=$(LANGUAGE=en "$build/app/sternwerk" --help --language de | head -n 1)
[ "$german_help" = "Aufruf: sternwerk [--documents-folder] [--language de|en]" ] ||
  fail "sternwerk --language de --help: $german_help"
message=$(LANGUAGE=de timeout 10 "$build/app/sternwerk" --language en --bunt 2>&1)
grep -q 'unknown option "--bunt"' <<<"$message" || fail "sternwerk --language en --bunt: $message"
message=$(LANGUAGE=de timeout 10 "$build/app/sternwerk" --language fr 2>&1)
status=$?
[ "$status" -eq 2 ] || fail "sternwerk --language fr exited $status, not 2"
grep -q 'Sprache "fr": erwartet de oder en' <<<"$message" || fail "sternwerk --language fr: $message"
message=$(LANGUAGE=en timeout 10 "$build/app/sternwerk" --language fr 2>&1)
grep -q 'language "fr": expected de or en' <<<"$message" ||
  fail "sternwerk --language fr on English: $message"

[ "$failures" -eq 0 ] && echo "desktop files test passed"
exit $((failures > 0))
