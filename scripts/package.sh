#!/usr/bin/env bash
# Builds the Debian package from the release build and checks it: lintian (no errors), the
# desktop entry, the AppStream metainfo, then the unpacked package's vaneko-cli and vaneko.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release
cmake --build --preset release -j "$(nproc)"
(cd "$build" && cpack -G DEB > /dev/null)
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
deb="$build/vaneko_${version}_amd64.deb"
echo "Package: $deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Depends\|Installed-Size\):/  \1:/p'

echo "lintian:"
lintian --fail-on error --tag-display-limit 0 "$deb"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml

# The unpacked programs run from where they lie: the private maths library is found through
# their RPATH, not through the system's library folders.
if [ -e "$unpacked/usr/lib/x86_64-linux-gnu/vaneko/libvmath.so" ] || ls "$unpacked"/usr/lib/*/libvmath* "$unpacked"/usr/lib/libvmath* 2>/dev/null; then
  echo "the maths library must be private, without a development link"; exit 1
fi
result="$("$unpacked/usr/bin/vaneko-cli" convert Distance mi km 1)"
[ "$result" = "1,609344" ] || { echo "unpacked vaneko-cli printed '$result'"; exit 1; }
result="$("$unpacked/usr/bin/vaneko-cli" keys 2 + 3 '*' 4 =)"
[ "$result" = "20" ] || { echo "unpacked vaneko-cli keys printed '$result'"; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/vaneko" --version | grep -qx "vaneko (Vaneko) $version"
for page in vaneko vaneko-cli; do
  zcat "$unpacked/usr/share/man/man1/$page.1.gz" | grep -q '^\.SH DESCRIPTION'
done
echo "Package checked: lintian, desktop entry, metainfo, unpacked vaneko-cli and vaneko"
