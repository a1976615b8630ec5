# Shared by the scan scripts (sourced): one of Ardour's plug-in scanners run on one
# plug-in in a scratch home, and checks of what it found.

ardour_lib=${ARDOUR_LIB:-/usr/lib/ardour7}

fail() { echo "FAIL: $*"; exit 1; }

# Exits 77 (skipped) when the scanner is not installed; sets $scanner.
require_scanner() {
  scanner="$ardour_lib/$1"
  if [[ ! -x "$scanner" ]]; then
    echo "SKIP: $scanner not found (Debian package ardour)"
    exit 77
  fi
}

# A home of its own, so the scanner's cache lands in a scratch folder: $scratch.
make_scratch() {
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
}

# Scans the plug-in with --force --verbose and checks the scanner was content:
# exit status 0, no error or warning lines, a plug-in found. The log is printed
# without the plug-in's own diagnostic lines ("Processor: ...").
scan() {
  local status
  set +e
  HOME="$scratch" XDG_CACHE_HOME="$scratch/.cache" LD_LIBRARY_PATH="$ardour_lib" \
    "$scanner" --force --verbose "$1" >"$scratch/scan.log" 2>&1
  status=$?
  set -e
  grep -v '^Processor: ' "$scratch/scan.log" || true
  [[ $status -eq 0 ]] || fail "the scanner exited with $status"
  if grep -qiE '^\[(error|warning)\]' "$scratch/scan.log"; then
    fail "the scanner reported errors or warnings"
  fi
  grep -qF "Found Plugin: " "$scratch/scan.log" || fail "the scanner found no plug-in"
}

# The first cache entry with the file ending given, which must hold every attribute.
check_cache() {
  local ending=$1 cache attribute
  shift
  cache=$(find "$scratch/.cache" -name "*$ending" | head -n 1)
  [[ -n "$cache" ]] || fail "the scanner wrote no cache entry"
  for attribute in "$@"; do
    grep -qF "$attribute" "$cache" || fail "the cache entry lacks $attribute"
  done
}
