#!/usr/bin/env bash
# The Debian package on this machine, as a user gets it: it upgrades an earlier version cleanly,
# installs with apt-get, and then, with no setting or environment variable of ours, Ardour's
# scanners find both plug-ins in Ardour's default folders (VST 3 and VST 2) with their factory
# presets, our host renders the reference session through the installed bundles to the same
# bytes as the build's own bundles, and lobeshift-render runs from PATH on the installed bundles;
# `apt-get remove --purge` then leaves none of the package's files behind. The package is always
# purged at the end, so the machine is as it was.
# Usage: deb_test.sh PACKAGE.deb LINUX_BUILD_DIR   (run as root, or with sudo)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
package=$(realpath "$1") build=$(realpath "$2")
ardour_lib=${ARDOUR_LIB:-/usr/lib/ardour7}
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

fail() { echo "FAIL: $*"; exit 1; }
apt_get() {
  $sudo apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@" >"$scratch/apt.log" 2>&1 ||
    { cat "$scratch/apt.log"; fail "apt-get $*"; }
}

scratch=$(mktemp -d)
if dpkg-query -W -f='${Status}' lobeshift 2>/dev/null | grep -q "ok installed"; then
  fail "lobeshift is installed already; this test installs and purges it"
fi
purge() {
  $sudo apt-get -o DPkg::Lock::Timeout=300 -y -qq remove --purge lobeshift >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap purge EXIT

version=$(dpkg-deb -f "$package" Version)
echo "== an earlier version, then $version over it"
dpkg-deb -R "$package" "$scratch/earlier"
sed -i "s/^Version: .*/Version: 0.9~earlier/" "$scratch/earlier/DEBIAN/control"
dpkg-deb --root-owner-group -b "$scratch/earlier" "$scratch/earlier.deb" >/dev/null
apt_get install "$scratch/earlier.deb"
apt_get install "$package"
[[ $(dpkg-query -W -f='${Version}' lobeshift) == "$version" ]] || fail "not upgraded to $version"
dpkg -L lobeshift >"$scratch/files"
while IFS= read -r path; do
  [[ -e $path || -L $path ]] || fail "$path of the package is missing"
done <"$scratch/files"
$sudo dpkg --verify lobeshift || fail "installed files differ from the package's"

echo "== the installed layout"
for bundle in LobeshiftStereo64 Lobeshift64; do
  module=/usr/lib/vst3/$bundle.vst3/Contents/x86_64-linux/$bundle.so
  [[ -f $module ]] || fail "$module is missing"
  [[ $(readlink -f "/usr/lib/lxvst/$bundle.so") == "$module" ]] ||
    fail "/usr/lib/lxvst/$bundle.so does not lead to $module"
done
for name in "Lobeshift Stereo" Lobeshift; do
  presets=$(find "/usr/share/vst3/presets/Tolvane/$name" -name '*.vstpreset' 2>/dev/null | wc -l)
  [[ $presets -gt 0 ]] || fail "no factory presets in /usr/share/vst3/presets/Tolvane/$name"
  echo "$name: $presets factory presets in /usr/share/vst3/presets/Tolvane/$name"
done
[[ -f /usr/share/man/man1/lobeshift-render.1.gz ]] || fail "no man page"
for doc in README.md changelog.gz copyright; do
  [[ -f /usr/share/doc/lobeshift/$doc ]] || fail "no /usr/share/doc/lobeshift/$doc"
done

echo "== Ardour, with its default plug-in folders, in a home of its own"
export HOME=$scratch/home XDG_CACHE_HOME=$scratch/home/.cache XDG_CONFIG_HOME=$scratch/home/.config
export LOBESHIFT_SESSION_DIR=$scratch/session
mkdir -p "$HOME"
# Ardour's GUI runs its scanners on the modules it finds in its folders; headless Ardour reads
# what they recorded.
for plugin in /usr/lib/vst3/LobeshiftStereo64.vst3 /usr/lib/vst3/Lobeshift64.vst3; do
  LD_LIBRARY_PATH=$ardour_lib "$ardour_lib/ardour-vst3-scanner" --quiet "$plugin" | grep -v '^Processor: ' || true
done
for plugin in /usr/lib/lxvst/LobeshiftStereo64.so /usr/lib/lxvst/Lobeshift64.so; do
  LD_LIBRARY_PATH=$ardour_lib "$ardour_lib/ardour-vst-scanner" --quiet "$plugin" | grep -v '^Processor: ' || true
done
timeout 120 ardour7-lua "$here/installed_in_ardour.lua" 2>&1 | grep -v '^Processor: ' | tee "$scratch/ardour.log"
grep -q '^PASS' "$scratch/ardour.log" || fail "Ardour did not find both plug-ins and their presets in its default folders"

echo "== the installed bundles render the reference session as the build's do"
for variant in stereo mono; do
  reference=$build/tests/crossplatform/render_reference_$variant
  bundle=/usr/lib/vst3/$([[ $variant == stereo ]] && echo LobeshiftStereo64 || echo Lobeshift64).vst3
  "$reference" "$scratch/build_$variant.f32" >/dev/null
  "$reference" "$scratch/installed_$variant.f32" "$bundle" >/dev/null
  cmp -s "$scratch/build_$variant.f32" "$scratch/installed_$variant.f32" ||
    { "$reference" --compare "$scratch/build_$variant.f32" "$scratch/installed_$variant.f32"; fail "$bundle renders differently"; }
  echo "$bundle: the same $(stat -c %s "$scratch/installed_$variant.f32") bytes as the build's bundle"
done

echo "== lobeshift-render from PATH"
[[ $(command -v lobeshift-render) == /usr/bin/lobeshift-render ]] || fail "lobeshift-render is not on PATH"
lobeshift-render --help | head -n 1
(cd "$scratch" && lobeshift-render --demo demo --no-progress >"$scratch/demo.log") ||
  { cat "$scratch/demo.log"; fail "lobeshift-render --demo failed with the installed bundles"; }
grep -F "/usr/lib/vst3/LobeshiftStereo64.vst3" "$scratch/demo.log" >/dev/null ||
  { cat "$scratch/demo.log"; fail "the demo did not run the installed bundle"; }

echo "== apt-get remove --purge"
trap 'rm -rf "$scratch"' EXIT
apt_get remove --purge lobeshift
left=()
while IFS= read -r path; do
  [[ -e $path || -L $path ]] || continue
  # Folders that other packages share (/usr/lib, /usr/share/man/man1, ...) stay.
  [[ -d $path && ! -L $path ]] && [[ -n $(ls -A "$path") ]] && continue
  left+=("$path")
done <"$scratch/files"
[[ ${#left[@]} -eq 0 ]] || fail "left behind after the purge: ${left[*]}"
echo "PASS: the package installs, works where hosts look and purges without a trace"
