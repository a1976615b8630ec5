#!/usr/bin/env bash
# The Windows installer under Wine, in a fresh Wine prefix of its own:
#  - into a VST3 folder that exists read-only it fails with a clear message and installs nothing;
#  - `setup.exe /S` installs the bundles and presets where Windows hosts look and registers the
#    uninstaller with the version; our Windows host renders the reference session through the
#    installed bundles to the same bytes as the Linux build's bundles;
#  - a second install over the first leaves the same files;
#  - the silent uninstaller removes every file, folder and registry key the installer added.
# Usage: installer_test.sh SETUP.exe VERSION WINDOWS_BUILD_DIR LINUX_BUILD_DIR
# (the render_reference programs of both builds must be built).
set -euo pipefail
setup=$(realpath "$1") version=$2 windows_build=$(realpath "$3") linux_build=$(realpath "$4")
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
state=$windows_build/installer-test
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$state"
mkdir -p "$state"
drive=$WINEPREFIX/drive_c
vst3=$drive/"Program Files/Common Files/VST3"
presets=$drive/"ProgramData/VST3 Presets"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lobeshift'

# Runs a Windows program and waits until it and every program it started have ended (the
# uninstaller hands over to a copy of itself); prints its output without the CRs.
run() {
  local status=0
  "$wine64" "$@" </dev/null >"$state/run.log" 2>&1 || status=$?
  "$wineserver" -w
  tr -d '\r' <"$state/run.log"
  return $status
}
# Everything in the prefix's drive but the temporary files, with each file's checksum.
snapshot() {
  (cd "$drive" && find . \( -path './users/*/Temp' -o -path './users/*/AppData/Local/Temp' -o -path './windows' \) -prune -o -print |
    LC_ALL=C sort | while IFS= read -r path; do
      if [[ -f $path ]]; then echo "$path $(md5sum <"$path" | cut -c1-32)"; else echo "$path"; fi
    done)
}
registered() { run reg query "$key" /v "$1" 2>/dev/null | awk -v name="$1" '$1 == name { print $3 }'; }

echo "== a fresh Wine prefix"
"$wine64" wineboot --init </dev/null >"$state/wineboot.log" 2>&1 || true
"$wineserver" -w
[[ -f $WINEPREFIX/system.reg ]] || { cat "$state/wineboot.log"; fail "no Wine prefix made"; }
snapshot >"$state/before.txt"

echo "== into a read-only VST3 folder"
mkdir -p "$vst3"
chmod 555 "$vst3"
snapshot >"$state/read_only.txt"
# Root passes over a folder's permissions; without that capability Wine's server and programs
# meet the folder as any user would.
status=0
setpriv --bounding-set=-dac_override,-dac_read_search -- "$wine64" "$setup" /S </dev/null \
  >"$state/read_only.log" 2>&1 || status=$?
"$wineserver" -w
tr -d '\r' <"$state/read_only.log"
[[ $status -ne 0 ]] || fail "the installer reported success into a read-only folder"
grep -q "cannot write to" "$state/read_only.log" || fail "the installer did not say what went wrong"
diff -u "$state/read_only.txt" <(snapshot) || fail "the failed installation left files behind"
chmod 755 "$vst3"
rmdir "$vst3"
[[ -z $(registered DisplayName) ]] || fail "the failed installation registered itself"
echo "refused with status $status, nothing installed"

echo "== setup /S"
run "$setup" /S
for bundle in LobeshiftStereo64 Lobeshift64; do
  [[ -f $vst3/$bundle.vst3/Contents/x86_64-win/$bundle.vst3 ]] || fail "$bundle.vst3 is not in Common Files\\VST3"
done
for name in "Lobeshift Stereo" Lobeshift; do
  count=$(find "$presets/Tolvane/$name" -name '*.vstpreset' 2>/dev/null | wc -l)
  [[ $count -gt 0 ]] || fail "no factory presets in ProgramData\\VST3 Presets\\Tolvane\\$name"
  echo "$name: $count factory presets in ProgramData\\VST3 Presets\\Tolvane\\$name"
done
[[ $(registered DisplayVersion) == "$version" ]] || fail "the uninstaller is not registered with version $version"
for value in DisplayName Publisher EstimatedSize UninstallString; do
  [[ -n $(registered "$value") ]] || fail "the registration lacks $value"
done
echo "registered: $(registered DisplayName) $(registered DisplayVersion) by $(registered Publisher)," \
  "$(( $(registered EstimatedSize) )) KB"
snapshot >"$state/installed.txt"

echo "== the installed bundles render the reference session as the Linux bundles do"
for variant in stereo mono; do
  bundle=$([[ $variant == stereo ]] && echo LobeshiftStereo64 || echo Lobeshift64)
  "$linux_build/tests/crossplatform/render_reference_$variant" "$state/linux_$variant.f32" >/dev/null
  run "$windows_build/tests/crossplatform/render_reference_$variant.exe" "$state/windows_$variant.f32" \
    "C:\\Program Files\\Common Files\\VST3\\$bundle.vst3" >"$state/render.log" ||
    { cat "$state/render.log"; fail "our Windows host could not render through the installed $bundle.vst3"; }
  cmp -s "$state/linux_$variant.f32" "$state/windows_$variant.f32" || fail "$bundle renders differently"
  echo "$bundle.vst3 installed: the same $(stat -c %s "$state/windows_$variant.f32") bytes as Linux"
done
rm -f "$state"/*.f32

echo "== setup /S again, over the first installation"
run "$setup" /S
diff -u "$state/installed.txt" <(snapshot) || fail "a second installation changed what is installed"

echo "== the silent uninstaller"
run "$drive/Program Files/Tolvane/Lobeshift/uninstall.exe" /S
diff -u "$state/before.txt" <(snapshot) || fail "the uninstaller left files or folders behind"
[[ -z $(registered DisplayName) ]] || fail "the uninstaller left its registry key"
rm -rf "$state"
echo "PASS: the installer installs, works where hosts look, refuses cleanly and uninstalls without a trace"
