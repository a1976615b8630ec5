#!/usr/bin/env bash
# Makes the Debian package from a Linux build (scripts/package runs it):
#   build-deb.sh BUILD_DIR DIST_DIR VERSION
# The build's "package" component lays out the bundles (/usr/lib/vst3), their modules' links for
# VST 2 hosts (/usr/lib/lxvst), the factory presets (/usr/share/vst3/presets) and lobeshift-render
# (/usr/bin); this adds the documentation and the man page, strips the binaries and fixes the
# modes as Debian's helpers do, computes the dependencies from the binaries' own library needs
# (dpkg-shlibdeps), writes DIST_DIR/lobeshift_VERSION_amd64.deb and checks it with lintian.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build_dir=$(realpath "$1") dist=$(realpath "$2") version=$3

changelog_version=$(dpkg-parsechangelog -l "$here/changelog" -S Version)
if [[ $changelog_version != "$version" ]]; then
  echo "build-deb: packaging/debian/changelog's top entry is $changelog_version, the build's" \
    "version $version: add an entry for $version" >&2
  exit 1
fi
# Every date in the package is the release's, so the same sources make the same package.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$here/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH

work=$build_dir/package-deb
stage=$work/debian/lobeshift
rm -rf "$work"
mkdir -p "$work/debian"
cp "$here/control" "$here/changelog" "$work/debian/"
DESTDIR=$stage cmake --install "$build_dir" --component package --prefix /usr >/dev/null
[[ -n $(find "$stage/usr/share/vst3/presets" -name '*.vstpreset') ]] ||
  { echo "build-deb: the build laid out no factory presets" >&2; exit 1; }

doc=$stage/usr/share/doc/lobeshift
install -D -m 644 "$repo/README.md" "$doc/README.md"
install -m 644 "$here/copyright" "$doc/copyright"
gzip -9n <"$here/changelog" >"$doc/changelog.gz"
mkdir -p "$stage/usr/share/man/man1"
# The man page is the tool's own --help, so the two never disagree.
help2man --no-info --section=1 --version-string="$version" \
  --name="runs recordings through the Lobeshift plug-ins offline" \
  "$stage/usr/bin/lobeshift-render" | gzip -9n >"$stage/usr/share/man/man1/lobeshift-render.1.gz"

# As dh_strip and dh_fixperms do: no symbol tables, comments or notes; modules not executable.
find "$stage" -type f -name '*.so' -exec strip --remove-section=.comment --remove-section=.note \
  --strip-unneeded {} +
strip --remove-section=.comment --remove-section=.note "$stage/usr/bin/lobeshift-render"
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
chmod 755 "$stage/usr/bin/lobeshift-render"

mkdir -p "$stage/DEBIAN"
modules=$(cd "$work" && find debian/lobeshift -type f -name '*.so')
(cd "$work" && dpkg-shlibdeps -Tdebian/lobeshift.substvars $modules debian/lobeshift/usr/bin/lobeshift-render &&
  dpkg-gencontrol -plobeshift -Tdebian/lobeshift.substvars -Pdebian/lobeshift)
(cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 644 "$stage/DEBIAN/md5sums"

package=$dist/lobeshift_${version}_amd64.deb
dpkg-deb --root-owner-group -Zxz --build "$stage" "$package" >/dev/null
echo "build-deb: $(basename "$package"), depends on: $(dpkg-deb -f "$package" Depends)"
lintian --fail-on error,warning --tag-display-limit 0 "$package"
echo "build-deb: lintian reports no errors or warnings"
