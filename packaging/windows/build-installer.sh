#!/usr/bin/env bash
# Makes the Windows installer and the zip from a Windows build (scripts/package runs it):
#   build-installer.sh WINDOWS_BUILD_DIR DIST_DIR VERSION VENDOR
# The build's "package" component lays out VST3/<bundle>.vst3 and VST3 Presets/<vendor>/<plug-in>/;
# with the README and the licence that makes the zip Lobeshift-VERSION-win64.zip, and, through
# lobeshift.nsi, the installer Lobeshift-VERSION-win64-setup.exe, whose lists of files to install
# and to remove are written here from the same layout.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
windows_build=$(realpath "$1") dist=$(realpath "$2") version=$3 vendor=$4

work=$windows_build/package-windows
stage=$work/Lobeshift-$version-win64
rm -rf "$work"
mkdir -p "$stage"
cmake --install "$windows_build" --component package --prefix "$stage" >/dev/null
install -m 644 "$repo/README.md" "$stage/README.md"
# Windows has no common licence folder: the GNU GPL's text goes along.
cat "$here/../debian/copyright" "$here/third-party.txt" >"$stage/COPYRIGHT.txt"
install -m 644 /usr/share/common-licenses/GPL-3 "$stage/GPL-3.txt"
for folder in VST3 "VST3 Presets/$vendor"; do
  [[ -d $stage/$folder ]] ||
    { echo "build-installer: the Windows build laid out no $folder folder" >&2; exit 1; }
done

# The zip, for users who copy by hand, with the same dates whoever makes it.
find "$stage" -exec touch -d "@$(dpkg-parsechangelog -l "$here/../debian/changelog" -S Timestamp)" {} +
zip=$dist/Lobeshift-$version-win64.zip
rm -f "$zip"
(cd "$work" && find "$(basename "$stage")" | LC_ALL=C sort | zip -q -X -9 "$zip" -@)

# Folders of the layout as the installer names them; the documents go beside the uninstaller.
nsis_folder() {
  local path=${1#"$stage"}
  path=${path#/}
  case $path in
    "VST3 Presets" | "VST3 Presets/"*) path='$APPDATA\'$path ;;
    VST3 | VST3/*) path='$COMMONFILES64\'$path ;;
    *) path='$INSTDIR'${path:+\\$path} ;;
  esac
  echo "${path//\//\\}"
}
files=$work/files.nsh
{
  echo '!macro InstallFiles'
  while IFS= read -r -d '' folder; do
    listed=$(find "$folder" -maxdepth 1 -type f | LC_ALL=C sort)
    [[ -n $listed ]] || continue
    echo "  SetOutPath \"$(nsis_folder "$folder")\""
    while IFS= read -r file; do echo "  File \"$file\""; done <<<"$listed"
  done < <(find "$stage" -type d -print0 | sort -z)
  echo '!macroend'
  echo '!macro RemoveFiles'
  while IFS= read -r -d '' file; do
    echo "  Delete \"$(nsis_folder "$(dirname "$file")")\\$(basename "$file")\""
  done < <(find "$stage" -type f -print0 | sort -z)
  # The plug-ins' own folders, deepest first; the shared ones above them are the script's.
  while IFS= read -r -d '' folder; do
    echo "  RMDir \"$(nsis_folder "$folder")\""
  done < <(find "$stage/VST3" "$stage/VST3 Presets/$vendor" -mindepth 1 -type d -print0 | sort -rz)
  echo '!macroend'
} >"$files"

size_kb=$(du -sk --apparent-size "$stage" | cut -f1)
installer=$dist/Lobeshift-$version-win64-setup.exe
makensis -V2 -NOCD -DVERSION="$version" -DVENDOR="$vendor" -DOUTFILE="$installer" \
  -DFILES="$files" -DESTIMATED_SIZE_KB="$size_kb" "$here/lobeshift.nsi"
echo "build-installer: $(basename "$installer") and $(basename "$zip")"
