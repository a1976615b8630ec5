#!/usr/bin/env bash
# Runs both bundles inside Ardour without its window (Ardour's Lua session tool on the
# dummy audio backend): each plug-in goes on an audio track fed by sine generators,
# must pass audio and follow its parameters, and must come back with its settings
# when the saved session is opened again. Exits 77 (skipped) without Ardour.
# Usage: run_in_ardour.sh <stereo bundle.vst3> <mono bundle.vst3>
# With LOBESHIFT_PLUGIN_FORMAT=LXVST the same runs through the modules' VST 2 entry:
# each module is linked into ~/.lxvst, as `cmake --install` does, and Ardour loads it
# as a Linux VST 2 plug-in. LOBESHIFT_ARDOUR_SCRIPTS names the scripts to run (by default
# pass_audio.lua and reload_session.lua); with LOBESHIFT_PRESETS_DIR, the build's preset
# folders go into ~/.vst3/presets first, as `cmake --install` puts them there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
ardour_lib=${ARDOUR_LIB:-/usr/lib/ardour7}
lua_session=${ARDOUR_LUA:-$(command -v ardour7-lua || true)}
export LOBESHIFT_PLUGIN_FORMAT=${LOBESHIFT_PLUGIN_FORMAT:-VST3}
scanner="$ardour_lib/ardour-vst3-scanner"
[[ $LOBESHIFT_PLUGIN_FORMAT == LXVST ]] && scanner="$ardour_lib/ardour-vst-scanner"
if [[ -z "$lua_session" || ! -x "$scanner" ]]; then
  echo "SKIP: ardour7-lua or $scanner not found (Debian package ardour)"
  exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_CACHE_HOME="$scratch/.cache" XDG_CONFIG_HOME="$scratch/.config"
export LOBESHIFT_SESSION_DIR="$scratch/session"
mkdir -p "$HOME/.vst3" "$HOME/.lxvst"
for bundle in "$@"; do cp -r "$bundle" "$HOME/.vst3/"; done
if [[ -n ${LOBESHIFT_PRESETS_DIR:-} ]]; then
  mkdir -p "$HOME/.vst3/presets"
  cp -r "$LOBESHIFT_PRESETS_DIR"/. "$HOME/.vst3/presets/"
  # Every build has the same presets: the count of one build's folder.
  folders=("$HOME"/.vst3/presets/*/*/)
  LOBESHIFT_PRESET_COUNT=$(find "${folders[0]}" -name '*.vstpreset' | wc -l)
  export LOBESHIFT_PRESET_COUNT
fi
scanned=("$HOME"/.vst3/*.vst3)
if [[ $LOBESHIFT_PLUGIN_FORMAT == LXVST ]]; then
  for module in "$HOME"/.vst3/*.vst3/Contents/x86_64-linux/*.so; do ln -s "$module" "$HOME/.lxvst/"; done
  scanned=("$HOME"/.lxvst/*.so)
fi
# Ardour takes a cache entry only when it is newer than the module, to the second.
find "$HOME/.vst3" -exec touch -d '1 minute ago' {} +
# Ardour reads plug-ins from its scanner's cache, keyed by the absolute module path.
for plugin in "${scanned[@]}"; do
  LD_LIBRARY_PATH="$ardour_lib" "$scanner" --quiet "$plugin" | grep -v '^Processor: ' || true
done

# The plug-ins' own diagnostic lines ("Processor: ...") are left out of the log.
run() {
  set +e
  timeout 120 "$lua_session" "$here/$1" >"$scratch/$1.log" 2>&1
  local status=$?
  set -e
  grep -v '^Processor: ' "$scratch/$1.log" || true
  [[ $status -eq 0 ]] || { echo "FAIL: $1 exited with $status"; exit 1; }
}
for script in ${LOBESHIFT_ARDOUR_SCRIPTS:-pass_audio.lua reload_session.lua}; do run "$script"; done
echo "PASS"
