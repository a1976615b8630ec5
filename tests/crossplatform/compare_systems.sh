#!/usr/bin/env bash
# compare_systems.sh LINUX_PROGRAM WINE_RUN WINE_STATE WINDOWS_PROGRAM OUT_DIR
# Renders the reference session with the Linux build's render_reference natively and with the
# Windows build's under Wine, and compares the two outputs byte for byte (render_reference
# --compare says where and by how much they differ). Both files stay in OUT_DIR.
set -euo pipefail
linux_program=$1 wine_run=$2 wine_state=$3 windows_program=$4 out=$5
if [[ ! -x $linux_program ]]; then
  echo "compare_systems: no Linux build to compare with: $linux_program is missing." >&2
  echo "Build it (BUILD_DIR=<dir> scripts/build) and configure the Windows build with" \
    "-DLOBESHIFT_LINUX_BUILD_DIR=<dir>; scripts/test-windows does both." >&2
  exit 1
fi
mkdir -p "$out"
rm -f "$out/linux.f32" "$out/windows.f32"
"$linux_program" "$out/linux.f32"
"$wine_run" "$wine_state" "$windows_program" "$out/windows.f32"
if cmp -s "$out/linux.f32" "$out/windows.f32"; then
  echo "compare_systems: Linux and Windows wrote the same $(stat -c %s "$out/linux.f32") bytes"
  exit 0
fi
echo "compare_systems: Linux and Windows outputs differ:"
"$linux_program" --compare "$out/linux.f32" "$out/windows.f32"
exit 1
