#!/usr/bin/env bash
# The training page of the real program at its default size, 740 × 730: a fill-in-the-blank
# question whose Japanese takes two lines shows both lines whole in its box, none cut at the
# box's bottom edge.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
command -v import >/dev/null || { echo "SKIP: ImageMagick is not installed"; exit 77; }
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
mkdir -p "$sys"
# The window at the screen's corner in its default size, on the training page.
parameters() {
  printf '%s\r\n' MainLeft,0 MainTop,0 MainWidth,740 MainHeight,730 FirstPage,2 InpMode,5 CurrentFolderIndex,2 \
    > "$sys/Quillo.rng"
}
parameters
folder="$HOME/Documents/Bertovan/Quillmaren/German/bookS"
# The samples come with the first start; for the second they give way to the only book of the
# folder: ten questions whose Japanese wraps into two lines.
start_quill; pid=$QUILL_PID
window=$(wait_window Quillmaren)
eventually test -f "$folder/Farben.utx" || fail "no sample books in $folder"
sleep 1
close_quill "$window" "$pid"
parameters
rm -f "$folder"/*.utx
{
  printf '\xff\xfe'
  {
    printf '%s\r\n' 二行の問題 01 空欄補充
    for _ in $(seq 10); do
      printf '%s\r\n' '"war","Der Laden (   ) am Sonntag geschlossen.","","お店は日曜日に閉まっていましたが、月曜日は開いていた。","",""'
    done
  } | iconv -f UTF-8 -t UTF-16LE
} > "$folder/zwei.utx"
start_quill; pid=$QUILL_PID
window=$(wait_window Quillmaren)
sleep 1
xdotool windowactivate --sync "$window"
xdotool mousemove 387 483 click 1
sleep 0.5
xdotool key Down Return
sleep 3
# START, right in the page's top row once the page has grown.
xdotool mousemove 693 149 click 1
sleep 2
screen="$E2E_ROOT/screen.png"
import -window root "$screen"
pixel() { convert "$screen" -crop "1x1+$1+$2" txt:- | grep -o '#[0-9A-F]\{6\}'; }

# The Japanese box is the first framed white box below the score board. Its top edge: the
# first frame row down a column through the box; its left edge and its bottom are found in
# the document margin, where no text is drawn.
top=""
for y in $(seq 225 300); do
  [ "$(pixel 300 "$y")" != "#FFFFFF" ] && [ "$(pixel 300 $((y + 1)))" = "#FFFFFF" ] && { top=$((y + 1)); break; }
done
[ -n "$top" ] || fail "no question box below the score board"
left=""
for x in $(seq 300 -1 100); do
  [ "$(pixel "$x" $((top + 1)))" != "#FFFFFF" ] && { left=$((x + 1)); break; }
done
right=""
for x in $(seq 300 740); do
  [ "$(pixel "$x" $((top + 1)))" != "#FFFFFF" ] && { right=$((x - 1)); break; }
done
bottom=""
for y in $(seq $((top + 1)) $((top + 200))); do
  [ "$(pixel $((left + 1)) "$y")" != "#FFFFFF" ] && { bottom=$((y - 1)); break; }
done
[ -n "$left" ] && [ -n "$right" ] && [ -n "$bottom" ] || fail "the Japanese box has no edges ($top $left $right $bottom)"
height=$((bottom - top + 1))
convert "$screen" -crop "$((right - left + 1))x$height+$left+$top" +repage "$E2E_ROOT/japanese.png"

# The rows of the box that hold ink, as bands of consecutive rows: one band per line.
bands=$(convert "$E2E_ROOT/japanese.png" -colorspace Gray -threshold 60% -scale "1x$height!" txt:- |
  sed -n 's/^0,\([0-9]*\): (\([0-9.]*\),.*/\1 \2/p' |
  awk 'BEGIN { start = -1 }
    { ink = ($2 < 252) }
    ink && start < 0 { start = $1 }
    !ink && start >= 0 { print start, $1 - 1; start = -1 }
    END { if (start >= 0) print start, $1 }')
echo "box $left,$top to $right,$bottom; ink rows: $(echo "$bands" | tr '\n' ';')"
[ "$(echo "$bands" | grep -c .)" -ge 2 ] || fail "the Japanese does not show two lines: $bands"
first_height=$(echo "$bands" | head -n 1 | awk '{ print $2 - $1 + 1 }')
echo "$bands" | while read -r from to; do
  [ "$to" -lt $((height - 3)) ] || fail "a line of the Japanese is cut at the box's bottom ($from-$to of $height)"
  [ $((4 * (to - from + 1))) -ge $((3 * first_height)) ] || fail "a line of the Japanese is cut ($from-$to)"
done
close_quill "$window" "$pid"
echo "PASS"
