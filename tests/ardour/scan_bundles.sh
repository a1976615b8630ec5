#!/usr/bin/env bash
# Runs Ardour's VST 3 scanner, the program Ardour itself uses to index plug-ins, on one
# bundle and checks what it found. Exits 77 (skipped) when Ardour is not installed.
# Usage: scan_bundles.sh <bundle.vst3> <class name> <class ID> <inputs> <outputs>
set -euo pipefail
bundle=$1 name=$2 uid=$3 inputs=$4 outputs=$5
source "$(dirname "$0")/scanner.sh"
require_scanner ardour-vst3-scanner
make_scratch
bundle=$(cd "$bundle" && pwd)

scan "$bundle"
grep -qF "Found Plugin: $name" "$scratch/scan.log" || fail "the scanner did not find '$name'"
check_cache .v3i "uid=\"$uid\"" "name=\"$name\"" "vendor=\"Tolvane\"" "category=\"Fx\"" \
  "version=\"1.0.1\"" "n_inputs=\"$inputs\"" "n_outputs=\"$outputs\""
echo "PASS: $name"
