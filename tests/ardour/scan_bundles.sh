#!/usr/bin/env bash
# Runs Ardour's VST 3 scanner, the program Ardour itself uses to index plug-ins, on one
# bundle and checks what it found. Exits 77 (skipped) when Ardour is not installed.
# Usage: scan_bundles.sh <bundle.vst3> <class name> <class ID> <inputs> <outputs>
set -euo pipefail
bundle=$1 name=$2 uid=$3 inputs=$4 outputs=$5
ardour_lib=${ARDOUR_LIB:-/usr/lib/ardour7}
scanner="$ardour_lib/ardour-vst3-scanner"
if [[ ! -x "$scanner" ]]; then
  echo "SKIP: $scanner not found (Debian package ardour)"
  exit 77
fi

# A home of its own, so the scanner's cache lands in a scratch folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bundle=$(cd "$bundle" && pwd)

set +e
HOME="$scratch" XDG_CACHE_HOME="$scratch/.cache" LD_LIBRARY_PATH="$ardour_lib" \
  "$scanner" --force --verbose "$bundle" >"$scratch/scan.log" 2>&1
status=$?
set -e
cat "$scratch/scan.log"

fail() { echo "FAIL: $*"; exit 1; }
[[ $status -eq 0 ]] || fail "the scanner exited with $status"
if grep -qiE '^\[(error|warning)\]' "$scratch/scan.log"; then fail "the scanner reported errors or warnings"; fi
grep -qF "Found Plugin: $name" "$scratch/scan.log" || fail "the scanner did not find '$name'"

cache=$(find "$scratch/.cache" -name '*.v3i' | head -n 1)
[[ -n "$cache" ]] || fail "the scanner wrote no cache entry"
for attribute in "uid=\"$uid\"" "name=\"$name\"" "vendor=\"Tolvane\"" "category=\"Fx\"" "version=\"1.0.1\"" \
                 "n_inputs=\"$inputs\"" "n_outputs=\"$outputs\""; do
  grep -qF "$attribute" "$cache" || fail "the cache entry lacks $attribute"
done
echo "PASS: $name"
