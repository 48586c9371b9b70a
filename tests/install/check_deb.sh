#!/usr/bin/env bash
# The Debian package: cpack makes quillmaren_<version>_amd64.deb with dependencies read off the
# program's shared libraries and the whole installed tree; unpacked into a scratch root, the
# program starts from there on a real X display and installs its samples from that tree.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (./test.sh installs it)"; exit 77; }
done
source "$(dirname "$0")/../e2e/desktop.sh"

version=$(grep -o 'project(Quillmaren VERSION [0-9.]*' "$(dirname "$0")/../../CMakeLists.txt" | grep -o '[0-9.]*$')
(cd "$build_dir" && cpack -G DEB -B "$E2E_ROOT/package" >"$E2E_ROOT/cpack.log" 2>&1) ||
  fail "cpack failed: $(tail -n 20 "$E2E_ROOT/cpack.log")"
deb="$E2E_ROOT/package/quillmaren_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$E2E_ROOT/package")"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libx11-6 libxtst6 libfontconfig1 qt6-translations-l10n; do
  grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Package Architecture | tr '\n' ' ')" = "Package: quillmaren Architecture: amd64 " ] ||
  fail "wrong package name or architecture"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in usr/bin/quillmaren \
  usr/share/applications/com.bertovan.Quillmaren.desktop \
  usr/share/metainfo/com.bertovan.Quillmaren.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/com.bertovan.Quillmaren.svg \
  usr/share/icons/hicolor/48x48/apps/com.bertovan.Quillmaren.png \
  usr/share/Bertovan/Quillmaren/Help/HowToUse2.pdf \
  usr/share/Bertovan/Quillmaren/Tbl/ipa_cand1.txt \
  usr/share/Bertovan/Quillmaren/Shelf/German/bookS/ \
  usr/share/doc/quillmaren/copyright; do
  grep -qx "./$path" <<<"$contents" || fail "the package lacks /$path"
done
[ "$(grep -c '\.utx$' <<<"$contents")" -ge 30 ] || fail "the package lacks sample books"
! grep -qE 'make_manual|make_icons|tst_|paste_target' <<<"$contents" || fail "the package holds build tools or tests"

# The release date is the sources' date (the last commit's), not the day of the build.
source_dir="$(dirname "$0")/../.."
if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
  commit_date=$(TZ=UTC git -C "$source_dir" log -1 --date=format-local:%Y-%m-%d --format=%cd)
  released=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/metainfo/com.bertovan.Quillmaren.metainfo.xml |
    grep -o 'date="[0-9-]*"')
  [ "$released" = "date=\"$commit_date\"" ] || fail "the AppStream release $released is not the commit's date $commit_date"
fi

# A package whose dependencies were not computed is refused with the reason, and none is left.
(cd "$build_dir" && cpack -G DEB -B "$E2E_ROOT/bare" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >"$E2E_ROOT/bare.log" 2>&1) &&
  fail "cpack made a package without dependencies"
grep -q "dpkg-dev" "$E2E_ROOT/bare.log" || fail "cpack did not say why: $(tail -n 5 "$E2E_ROOT/bare.log")"
! ls "$E2E_ROOT/bare/"*.deb >/dev/null 2>&1 || fail "a package without dependencies was left behind"

# Unpacked into a scratch root, the program starts there and reads that tree.
root="$E2E_ROOT/root"
dpkg -x "$deb" "$root"
# The launcher starts the packaged program.
exec_line=$(grep '^Exec=' "$root/usr/share/applications/com.bertovan.Quillmaren.desktop")
[ -x "$root/usr/bin/${exec_line#Exec=}" ] || fail "the launcher's $exec_line is not the packaged program"
program="$root/usr/bin/quillmaren"
start_desktop
start_quill
quill=$(wait_window Quillmaren)
ls "$HOME/Documents/Bertovan/Quillmaren/German/bookS/"*.utx >/dev/null 2>&1 ||
  fail "the program from the package did not install its sample books"
close_quill "$quill" "$QUILL_PID"
echo "PASS"
