#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack, as
# scripts/package does, and checks it without installing it: its name and
# contents, its control fields, lintian (no error), and the programs run
# from an extraction of the package.
# Argument: the build tree.
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/sternwerk_*_"$(dpkg --print-architecture)".deb 2>/dev/null)
[ -f "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: no sternwerk_VERSION_ARCH.deb"; exit 1; }
version=$("$build/app/sternwerk" --version | head -n1 | cut -d' ' -f2)
[ "$(basename "$deb")" = "sternwerk_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "package name $(basename "$deb") does not carry the version $version"

dpkg-deb --contents "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/contents.txt"
for file in /usr/bin/sternwerk /usr/bin/sternwerk-sky /usr/share/sternwerk/start_picture.jpg \
  /usr/share/fonts/truetype/sternwerk/Roradoza.TTF /usr/share/applications/de.sternwerk.Sternwerk.desktop \
  /usr/share/metainfo/de.sternwerk.Sternwerk.metainfo.xml \
  /usr/share/icons/hicolor/256x256/apps/de.sternwerk.Sternwerk.png \
  /usr/share/man/man1/sternwerk.1.gz /usr/share/man/man1/sternwerk-sky.1.gz \
  /usr/share/man/de/man1/sternwerk.1.gz /usr/share/man/de/man1/sternwerk-sky.1.gz \
  /usr/share/doc/sternwerk/copyright /usr/share/doc/sternwerk/changelog.gz; do
  grep -qx "$file" "$work/contents.txt" || fail "the package lacks $file"
done
grep -v '^/usr/' "$work/contents.txt" | grep -qv '^/$' && fail "files outside /usr: $(grep -v '^/usr/' "$work/contents.txt")"

fields=$(dpkg-deb --field "$deb")
grep -q '^Depends: .*libqt6widgets6' <<<"$fields" || fail "Depends computed from the libraries lacks Qt: $fields"
grep -q '^Recommends: .*fonts-liberation2' <<<"$fields" || fail "no Recommends of the Liberation fonts"
grep -q '^Depends: .*libswe2' <<<"$fields" || fail "Depends lacks the Swiss Ephemeris: $fields"
grep -q '^Recommends: .*swe-basic-data' <<<"$fields" || fail "no Recommends of the ephemeris files"

lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1
cat "$work/lintian.txt"
grep -q '^E: ' "$work/lintian.txt" && fail "lintian reports errors"

dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/sternwerk" --version >/dev/null || fail "the packaged sternwerk --version failed"
# The manual pages of both languages carry the version and render without a
# warning from the package as well.
for page in "$work"/root/usr/share/man/{,de/}man1/sternwerk{,-sky}.1.gz; do
  name=${page#"$work/root"}
  zcat "$page" | grep -q "^\.TH .* \"Sternwerk $version\" " ||
    fail "the manual page $name does not carry the version $version"
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -K utf8 -z 2>&1)
  [ -z "$warnings" ] || fail "groff $name: $warnings"
done
grep -q "<release version=\"$version\"" "$work/root/usr/share/metainfo/de.sternwerk.Sternwerk.metainfo.xml" ||
  fail "the metainfo's release is not the version $version"
"$work/root/usr/bin/sternwerk-sky" 08.12.2026 12:00 | grep -q "^ MC " || fail "the packaged sternwerk-sky list"
"$work/root/usr/bin/sternwerk-sky" --chart "$work/x.png" 08.12.2026 12:00 ||
  fail "the packaged sternwerk-sky --chart"
"$work/root/usr/bin/sternwerk-sky" --chart "$work/letters.png" 08.12.2026 12:00 --no-symbols
cmp -s "$work/x.png" "$work/letters.png" && fail "the packaged sternwerk-sky does not find the packaged font"

echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
[ "$failures" -eq 0 ] && echo "package test passed"
exit $((failures > 0))
