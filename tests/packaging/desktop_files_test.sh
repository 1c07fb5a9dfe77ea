#!/usr/bin/env bash
# Checks the menu entry, the AppStream metainfo and the manual pages as the
# desktop and Debian's tools read them, and the command lines that need no
# display: --help and --version, and an unknown option (exit status 2, a
# German message, no window).
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
for page in sternwerk sternwerk-sky; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 \
    -l "$packaging/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
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
message=$(timeout 10 "$build/app/sternwerk" --language fr 2>&1)
status=$?
[ "$status" -eq 2 ] || fail "sternwerk --language fr exited $status, not 2"
grep -q 'Sprache "fr": erwartet de oder en' <<<"$message" || fail "sternwerk --language fr: $message"

[ "$failures" -eq 0 ] && echo "desktop files test passed"
exit $((failures > 0))
