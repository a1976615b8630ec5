#!/usr/bin/env bash
# Runs Ardour's VST 2 scanner, the program Ardour itself uses to index Linux VST 2
# plug-ins, on one module (the bundle's .so, as ~/.lxvst links it) and checks what it
# found. Exits 77 (skipped) when Ardour is not installed.
# Usage: scan_vst2.sh <module.so> <name> <unique ID as a number> <inputs> <outputs>
set -euo pipefail
module=$1 name=$2 id=$3 inputs=$4 outputs=$5
ardour_lib=${ARDOUR_LIB:-/usr/lib/ardour7}
scanner="$ardour_lib/ardour-vst-scanner"
if [[ ! -x "$scanner" ]]; then
  echo "SKIP: $scanner not found (Debian package ardour)"
  exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/.lxvst"
ln -s "$(cd "$(dirname "$module")" && pwd)/$(basename "$module")" "$scratch/.lxvst/"
module="$scratch/.lxvst/$(basename "$module")"

set +e
HOME="$scratch" XDG_CACHE_HOME="$scratch/.cache" LD_LIBRARY_PATH="$ardour_lib" \
  "$scanner" --force --verbose "$module" >"$scratch/scan.log" 2>&1
status=$?
set -e
# The plug-in's own diagnostic lines ("Processor: ...") are left out of the log.
grep -v '^Processor: ' "$scratch/scan.log" || true

fail() { echo "FAIL: $*"; exit 1; }
[[ $status -eq 0 ]] || fail "the scanner exited with $status"
if grep -qiE '^\[(error|warning)\]' "$scratch/scan.log"; then fail "the scanner reported errors or warnings"; fi
grep -qF "Found Plugin: " "$scratch/scan.log" || fail "the scanner found no plug-in"

cache=$(find "$scratch/.cache" -name '*.v2i' | head -n 1)
[[ -n "$cache" ]] || fail "the scanner wrote no cache entry"
for attribute in "id=\"$id\"" "name=\"$name\"" "creator=\"Tolvane\"" "category=\"Effect\"" \
                 "n_inputs=\"$inputs\"" "n_outputs=\"$outputs\"" "n_midi_inputs=\"0\"" \
                 "is_instrument=\"0\"" "can_process_replace=\"1\""; do
  grep -qF "$attribute" "$cache" || fail "the cache entry lacks $attribute"
done
echo "PASS: $name"
