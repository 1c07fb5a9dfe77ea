#!/usr/bin/env bash
# A browser engine as another program reading our SVG: Chromium renders a
# --chart SVG headless on a font set-up without the symbol font, and the
# screenshot is compared with the program's own PNG. The SVG carries the
# font, so the signs match; the same SVG without its font shows letters.
# Exit 77 (skipped) without Chromium.
set -u
sky=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
browser=/usr/bin/chromium
[ -x "$browser" ] || { echo "SKIP: $browser missing"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# shellcheck source=tests/tools/outside_fonts.sh
. "$(dirname "$0")/outside_fonts.sh"

instant=(21.03.2000 12:00 13.4 52.5 --all)
"$sky" --chart "$dir/chart.svg" "${instant[@]}" && "$sky" --chart "$dir/chart.png" "${instant[@]}" ||
  { echo "FAIL: sternwerk-sky"; exit 1; }
grep -q '@font-face' "$dir/chart.svg" || fail "the SVG carries no @font-face"
sed -e '/@font-face/d' "$dir/chart.svg" >"$dir/chart-without-font.svg"

screenshot() {  # svg, png
  local start=$SECONDS
  "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$dir/profile" --hide-scrollbars --window-size=740,740 \
    --screenshot="$2" "file://$1" >/dev/null 2>&1 || fail "Chromium could not render $1"
  echo "Chromium took $((SECONDS - start)) s for $(basename "$1")"
}

without_symbol_font
fc-list | grep -q VizizizizuRavorod && fail "the symbol font is still installed for the run"
screenshot "$dir/chart.svg" "$dir/browser.png"
screenshot "$dir/chart-without-font.svg" "$dir/browser-letters.png"

# Tolerance 0.01 of full scale after a 2-pixel blur: with the carried font
# the difference is about 0.004, with letters in place of the signs 0.019.
signs=$(blurred_difference "$dir/browser.png" "$dir/chart.png")
letters=$(blurred_difference "$dir/browser-letters.png" "$dir/chart.png")
echo "browser differs by $signs with the carried font, by $letters without"
below "$signs" 0.01 || fail "the browser's chart differs from the program's by $signs"
below "$letters" 0.01 && fail "the comparison does not see letters in place of signs ($letters)"

[ "$failures" -eq 0 ] && echo "all Chromium checks passed"
exit $((failures > 0))
