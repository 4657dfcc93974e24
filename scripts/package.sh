#!/usr/bin/env bash
# Builds the Debian package and checks it: lintian (no errors, and none of the hardening tags),
# the desktop entry, the AppStream metainfo, the manual pages, then the unpacked package's
# vaneko-cli and vaneko.
#
# The package is built in a folder of its own (build/package) with Debian's hardening flags, as
# dpkg-buildflags gives them with every hardening feature on: fortified C library calls,
# stack protection, read-only relocations bound at start-up (bindnow), position-independent
# programs. The tests are not built there; they run on the release build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags="$(dpkg-buildflags --get CPPFLAGS)"
cxxflags="$(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANEKO_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cppflags $cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" > /dev/null
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB > /dev/null)
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
deb="$build/vaneko_${version}_amd64.deb"
echo "Package: $deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Depends\|Installed-Size\):/  \1:/p'

echo "lintian:"
report="$(lintian --fail-on error --display-info --tag-display-limit 0 "$deb")" || {
  echo "$report"; exit 1
}
[ -z "$report" ] || echo "$report"
if grep -q 'hardening-no-' <<<"$report"; then
  echo "the programs are not built with the hardening flags"; exit 1
fi

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
# A program with packed relative relocations needs glibc 2.36, which the Depends must say.
depends="$(dpkg-deb --field "$deb" Depends)"
for program in "$unpacked"/usr/bin/*; do
  if readelf -V "$program" | grep -q GLIBC_ABI_DT_RELR && ! grep -q 'libc6 (>= 2.36)' <<<"$depends"; then
    echo "$(basename "$program") needs glibc 2.36, and the package depends on: $depends"; exit 1
  fi
done
result="$("$unpacked/usr/bin/vaneko-cli" convert Distance mi km 1)"
[ "$result" = "1,609344" ] || { echo "unpacked vaneko-cli printed '$result'"; exit 1; }
result="$("$unpacked/usr/bin/vaneko-cli" keys 2 + 3 '*' 4 =)"
[ "$result" = "20" ] || { echo "unpacked vaneko-cli keys printed '$result'"; exit 1; }
result="$("$unpacked/usr/bin/vaneko-cli" calc '2 + 3 * 4')"
[ "$result" = "20" ] || { echo "unpacked vaneko-cli calc printed '$result'"; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/vaneko" --version | grep -qx "vaneko (Vaneko) $version"
for page in vaneko vaneko-cli; do
  zcat "$unpacked/usr/share/man/man1/$page.1.gz" | grep -q '^\.SH DESCRIPTION'
done
# The manual page in UTF-8 (help2man's C locale would write "KILOM??TRE"), each example on a
# line of its own.
cli_page="$(zcat "$unpacked/usr/share/man/man1/vaneko-cli.1.gz")"
grep -q 'KILOMÈTRE' <<<"$cli_page" || { echo "vaneko-cli(1) is not in UTF-8"; exit 1; }
! grep -q '??' <<<"$cli_page" || { echo "vaneko-cli(1) has lost characters"; exit 1; }
examples="$(sed -n '/^\.SH EXAMPLES/,/^\.S[HS] "/p' <<<"$cli_page" | grep -c '^vaneko')"
breaks="$(sed -n '/^\.SH EXAMPLES/,/^\.S[HS] "/p' <<<"$cli_page" | grep -c '^\.br')"
[ "$examples" -gt 1 ] && [ "$examples" = "$breaks" ] || {
  echo "vaneko-cli(1): $examples examples, $breaks line breaks"; exit 1
}
echo "Package checked: lintian, hardening, desktop entry, metainfo, manual pages, unpacked vaneko-cli and vaneko"
