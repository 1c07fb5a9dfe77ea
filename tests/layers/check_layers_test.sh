#!/usr/bin/env bash
# Runs the layer check ($1) on a small tree, once clean and once per fault
# of the table below, and expects it to pass or to name the fault.
set -euo pipefail
check=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A Qt-free room with a Qt adapter of its own in a sub-folder.
clean=$work/clean
mkdir -p "$clean"/{cmake,base,places/zones,charts,clock,tests}
cat >"$clean/cmake/layers.txt" <<'LIST'
# comment
base          Qt-free  uses nothing
places        Qt-free  uses base
places/zones  Qt       uses base places
charts        Qt       uses base places places/zones
clock         Qt-free  uses base places
tests         Qt       uses everything
LIST
printf '## Layout\n<!-- begin cmake/layers.txt -->\n<!-- end cmake/layers.txt -->\n' >"$clean/README.md"
echo '#include <string>' >"$clean/base/text.h"
echo '#include "base/text.h"' >"$clean/places/place.h"
printf '#include <QTimeZone>\n#include "../place.h"\n' >"$clean/places/zones/zone.h"
echo '#include "places/zones/zone.h"' >"$clean/charts/dial.h"
echo '#include "./tick.h"' >"$clean/clock/tick.cpp"
printf '#include <QTest>\n#include "charts/dial.h"\n' >"$clean/tests/dial_test.cpp"
"$check" --update-readme "$clean"

# Each case: a command run in a copy of the tree | what the check must say
# ("" when it must pass).
cases=(
  ': | '
  'echo "#include \"charts/dial.h\"" >>clock/tick.cpp | clock/tick.cpp:2: clock may not include charts'
  'echo "#include \"../charts/dial.h\"" >clock/step.h | clock/step.h:1: clock may not include charts'
  'echo "#include \"zones/zone.h\"" >>places/place.h | places/place.h:2: places may not include places/zones'
  'echo "#include <QString>" >base/text.cpp | base/text.cpp:1: base is Qt-free but includes QString'
  'sed -i "s/^places  .*/places Qt-free uses base charts/" cmake/layers.txt | places uses charts, which is not listed above it'
  'sed -i "s/^places .*/places Qt uses base/" cmake/layers.txt | clock is Qt-free but uses places, which is not'
  'echo "tools  Qt  uses base" >>cmake/layers.txt | README.md: the layout block differs from cmake/layers.txt'
)
failed=0
for case in "${cases[@]}"; do
  change=${case%% | *} expected=${case#* | }
  rm -rf "$work/tree" && cp -r "$clean" "$work/tree"
  status=0
  said=$(cd "$work/tree" && eval "$change" && "$check" . 2>&1) || status=$?
  if [ -z "$expected" ] && [ "$status" -ne 0 ]; then
    echo "FAIL after '$change': the check failed on a clean tree: $said"
    failed=1
  elif [ -n "$expected" ] && { [ "$status" -eq 0 ] || [[ $said != *"$expected"* ]]; }; then
    echo "FAIL after '$change': expected '$expected', the check said: '$said' (status $status)"
    failed=1
  fi
done
exit $failed
