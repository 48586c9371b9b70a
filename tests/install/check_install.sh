#!/usr/bin/env bash
# cmake --install lays out bin/quillmaren and share/Bertovan/Quillmaren with the 18 sample
# folders, and the installed program reads its installation tree from there.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$prefix/bin/quillmaren" ] || fail "no bin/quillmaren"
share="$prefix/share/Bertovan/Quillmaren"
for folder in Tbl Help; do [ -d "$share/$folder" ] || fail "no $folder"; done
count=0
for language in English Italian French Spanish Portuguese German; do
  for kind in bookA bookG bookS; do
    [ -d "$share/Shelf/$language/$kind" ] && count=$((count + 1))
  done
done
[ "$count" -eq 18 ] || fail "$count of 18 sample folders"
[ -n "$(ls "$share"/Shelf/English/bookA/*.utx 2>/dev/null)" ] || fail "no English sample book"
[ ! -e "$share/README.md" ] || fail "the data README was installed"

# The PDF manual: a real PDF whose text is Japanese.
manual="$share/Help/HowToUse2.pdf"
[ -f "$manual" ] || fail "no Help/HowToUse2.pdf"
[ "$(head -c 5 "$manual")" = "%PDF-" ] || fail "HowToUse2.pdf is no PDF"
if command -v pdftotext >/dev/null; then
  text=$(pdftotext "$manual" -)
  for words in 単語帳 トレーニング クリップボード アンインストール; do
    grep -q "$words" <<<"$text" || fail "the manual does not say $words"
  done
fi

# The desktop's launcher, description and icons, in the places desktops look, and valid.
id=com.bertovan.Quillmaren
launcher="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
icons="$prefix/share/icons/hicolor"
[ -f "$launcher" ] || fail "no launcher"
[ -f "$metainfo" ] || fail "no AppStream metainfo"
[ -f "$icons/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256 512; do
  png="$icons/${size}x$size/apps/$id.png"
  [ "$(identify -format '%m %wx%h' "$png" 2>/dev/null)" = "PNG ${size}x$size" ] || fail "no ${size}px PNG icon"
done
desktop-file-validate "$launcher" || fail "the launcher does not validate"
appstreamcli validate --no-net "$metainfo" >"$prefix/appstream.log" ||
  fail "the metainfo does not validate: $(cat "$prefix/appstream.log")"
version=$(grep -o 'project(Quillmaren VERSION [0-9.]*' "$(dirname "$0")/../../CMakeLists.txt" | grep -o '[0-9.]*$')
grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "the metainfo names another release than the program's version"
# The scalable icon is the same drawing as the window icon.
rsvg-convert -w 128 -h 128 "$icons/scalable/apps/$id.svg" -o "$prefix/svg.png"
difference=$( (compare -metric RMSE "$prefix/svg.png" "$icons/128x128/apps/$id.png" null: 2>&1 || true) | grep -o '([0-9.e-]*)' | tr -d '()')
awk -v d="$difference" 'BEGIN { exit !(d < 0.03) }' || fail "the SVG icon differs from the window icon (RMSE $difference)"

# The installed program copies its samples from the installed tree, not the source tree.
echo marker > "$share/Shelf/English/bookA/InstalledOnly.utx"
export HOME="$prefix/home" XDG_DATA_HOME="$prefix/home/data" XDG_CONFIG_HOME="$prefix/home/config"
export XDG_RUNTIME_DIR="$prefix/home/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
timeout 3 "$prefix/bin/quillmaren" >/dev/null 2>&1 || true
[ -f "$HOME/Documents/Bertovan/Quillmaren/English/bookA/InstalledOnly.utx" ] ||
  fail "the installed program did not read its installation tree"

# Without its share folder the installed program installs nothing, and never the build
# machine's source data.
rm -rf "$HOME" "$prefix/share"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
timeout 3 "$prefix/bin/quillmaren" >/dev/null 2>&1 || true
[ -z "$(ls "$HOME/Documents/Bertovan/Quillmaren/English/bookA/" 2>/dev/null)" ] ||
  fail "the installed program without its share folder installed sample books"
echo "PASS"
