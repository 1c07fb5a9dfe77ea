#!/usr/bin/env bash
# Prints the chart page, the outside view and a help text from the windows
# through a real CUPS queue and reads the PDFs it writes: the texts are there,
# the page is not one image, and each PDF carries its job's name. The test
# starts a cupsd of its own (private configuration, socket and spool in a
# temporary folder) with a cups-pdf queue as the default printer, so it
# needs root, as CI runs it; exit 77 (skipped) otherwise.
#
# cups-pdf takes PostScript, which cups-filters makes from Qt's PDF. Its
# default way, Ghostscript's ps2write, keeps the glyphs as vectors but loses
# what they spell, so pdftotext reads the texts from a second round of the
# same jobs made with pdftocairo instead.
set -u
prints=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in /usr/sbin/cupsd lpadmin lpstat pdftotext pdfimages pdfinfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "SKIP: cups-pdf missing"; exit 77; }
[ "$(id -u)" -eq 0 ] || { echo "SKIP: cupsd and cups-pdf need root"; exit 77; }

dir=$(mktemp -d /tmp/sternwerk-cups.XXXXXX)
chmod 755 "$dir"
mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/ppd"
cat >"$dir/cupsd.conf" <<CONF
LogLevel warn
Listen $dir/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
StateDir $dir/state
CacheDir $dir/cache
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
CONF

# cups-pdf writes into PDF/ in the home of the job's user.
out="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$out"
marker="$dir/round"
written=()
/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
cupsd=$!
cleanup() {
  kill "$cupsd" 2>/dev/null
  wait "$cupsd" 2>/dev/null
  rm -f "${written[@]}"
  rm -rf "$dir"
}
trap cleanup EXIT

export CUPS_SERVER=$dir/cups.sock
queue=SternwerkPDF
# The scheduler answers lpstat a moment before it takes new queues.
for _ in $(seq 50); do
  lpadmin -p "$queue" -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>"$dir/lpadmin.err" &&
    break
  sleep 0.2
done
lpstat -v "$queue" >/dev/null 2>&1 || { echo "FAIL: lpadmin: $(cat "$dir/lpadmin.err")"; exit 1; }
lpadmin -d "$queue"

wait_for_jobs() {
  for _ in $(seq 120); do
    [ -z "$(lpstat -o 2>/dev/null)" ] && return 0
    sleep 0.5
  done
  fail "jobs still queued: $(lpstat -o)"
}

# Prints from the windows once more; `marker` is touched just before.
print_from_windows() {
  touch "$marker"
  sleep 1  # the PDFs' times must come after the marker's
  local start=$SECONDS
  QT_QPA_PLATFORM=offscreen "$prints" --gtest_filter=RealPrinter.ChartPageOutsideViewAndHelpText ||
    fail "printing from the windows"
  wait_for_jobs
  echo "printing the three jobs took $((SECONDS - start)) s"
  mapfile -t -O "${#written[@]}" written < <(find "$out" -maxdepth 1 -name '*.pdf' -newer "$marker")
}

# The PDF of this round's job named "Sternwerk - " and `what`. cups-pdf
# writes the job's UTF-8 name as PDFDocEncoding, so `what` names letters
# beyond ASCII with ".+"; the name's own hyphen must come out as it is.
pdf_of() {
  local f
  for f in $(find "$out" -maxdepth 1 -name '*.pdf' -newer "$marker"); do
    if pdfinfo "$f" 2>/dev/null | LC_ALL=C grep -Eq "^Title: +\(?Sternwerk - $1\)?\$"; then
      echo "$f"
      return 0
    fi
  done
  fail "no PDF named like \"Sternwerk - $1\" in $out"
  return 1
}

# A page sent as one picture holds an image of the page's size; the only
# image allowed is the 32-pixel Earth icon.
check_vectors() {
  local pdf
  pdf=$(pdf_of "$1") || return
  if pdfimages -list "$pdf" | awk 'NR > 2 && ($4 > 64 || $5 > 64) { big = 1 } END { exit !big }'; then
    fail "$1: the page holds a large image: $(pdfimages -list "$pdf" | tail -n +3)"
  fi
  [ "$(pdfinfo "$pdf" | grep -c '^Pages: *1$')" -eq 1 ] || fail "$1: not one page"
  # pdffonts' column "emb", fifth from the end: every font is embedded.
  pdffonts "$pdf" | awk 'NR > 2 && $(NF - 4) != "yes" { bad = 1 } END { exit bad }' ||
    fail "$1: a font is not embedded: $(pdffonts "$pdf")"
}

check_text() {  # the job's name after "Sternwerk - ", then patterns pdftotext must find
  local what=$1; shift
  local pdf text pattern
  pdf=$(pdf_of "$what") || return
  text=$(pdftotext -layout "$pdf" -)
  for pattern in "$@"; do
    grep -Eq -- "$pattern" <<<"$text" || fail "$what: pdftotext does not find /$pattern/"
  done
}

instant='07\.12\.2026 14:05:09'
chart="Diagramm $instant"
outside="Drau.+en-Ansicht $instant"
help="Hilfen zur vergr.+erten Diagramm-Anzeige [0-9.]{10} [0-9:]{8}"

# cups-filters' default chain, through Ghostscript: a see-through image
# would turn the page into one 300-dpi picture.
print_from_windows
for what in "$chart" "$outside" "$help"; do check_vectors "$what"; done

# The same jobs through pdftocairo, whose PDF keeps what the glyphs spell.
lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
print_from_windows
check_text "$chart" "Datum / Zeit: Mo, 07\.12\.2026 / 14:05:09 WZ/GMT +Ort: 013°22' E, 52°33' N" \
  "MC +20°00' +KRE" "PO +09°00' +FIS"
check_text "$outside" "Abstand zu MC: +90°" "Ort: 013°22' E, 52°33' N"
check_text "$help" "Diagramm"

# The printer advice follows the queue's resolution: the driver's default
# (300 dpi for cups-pdf), then one set on the queue.
STERNWERK_EXPECTED_CLASS=300 QT_QPA_PLATFORM=offscreen "$prints" \
  --gtest_filter=RealPrinter.AdviceClassifiesByTheQueuesResolution || fail "advice at 300 dpi"
lpadmin -p "$queue" -o Resolution=1200dpi
STERNWERK_EXPECTED_CLASS=1200 QT_QPA_PLATFORM=offscreen "$prints" \
  --gtest_filter=RealPrinter.AdviceClassifiesByTheQueuesResolution || fail "advice at 1200 dpi"

[ "$failures" -eq 0 ] && echo "all real-printer checks passed"
exit $((failures > 0))
