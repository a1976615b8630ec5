#!/usr/bin/env bash
# Runs Ardour's VST 2 scanner, the program Ardour itself uses to index Linux VST 2
# plug-ins, on one module (the bundle's .so, linked as `cmake --install` links it into
# ~/.lxvst) and checks what it found. Exits 77 (skipped) when Ardour is not installed.
# Usage: scan_vst2.sh <module.so> <name> <unique ID as a number> <inputs> <outputs>
set -euo pipefail
module=$1 name=$2 id=$3 inputs=$4 outputs=$5
source "$(dirname "$0")/scanner.sh"
require_scanner ardour-vst-scanner
make_scratch
mkdir -p "$scratch/.lxvst"
ln -s "$(cd "$(dirname "$module")" && pwd)/$(basename "$module")" "$scratch/.lxvst/"

scan "$scratch/.lxvst/$(basename "$module")"
check_cache .v2i "id=\"$id\"" "name=\"$name\"" "creator=\"Tolvane\"" "category=\"Effect\"" \
  "n_inputs=\"$inputs\"" "n_outputs=\"$outputs\"" "n_midi_inputs=\"0\"" "is_instrument=\"0\"" \
  "can_process_replace=\"1\""
echo "PASS: $name"
