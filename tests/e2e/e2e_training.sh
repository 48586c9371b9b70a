#!/usr/bin/env bash
# Training with the real program: a German sample book chosen on the training page, START, the
# questions before the first one with an umlaut or ß skipped with Enter, that word typed with
# the trigger keys and judged right: the feedback square turns black and the score changes.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
command -v import >/dev/null || { echo "SKIP: ImageMagick is not installed"; exit 77; }
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
mkdir -p "$sys"
printf '%s\r\n' MainLeft,0 MainTop,0 MainWidth,740 MainHeight,730 FirstPage,2 InpMode,5 CurrentFolderIndex,2 \
  > "$sys/Quillo.rng"
# Only the colour book (11 words, two with ä ö ü ß) is offered: its one set of ten asks at
# least one of them.
folder="$HOME/Documents/Bertovan/Quillmaren/German/bookS"
mkdir -p "$folder"
start_quill; pid=$QUILL_PID
window=$(wait_window Quillmaren)
sleep 1
rm -f "$folder/Alltag.utx"
[ -f "$folder/Farben.utx" ] || fail "no sample book Farben.utx in $folder"
# Back and forth between the pages builds the training book list anew.
xdotool windowactivate --sync "$window"
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
sleep 0.5

# The window's frame stands at the screen's corner (MainLeft, MainTop), so its parts are found
# at fixed screen places. The book selector in the page's top row, its only book, then START
# once the page has grown.
xdotool mousemove 387 483 click 1
sleep 0.5
xdotool key Down Return
sleep 2
screen="$E2E_ROOT/screen.png"
pixel() { import -window root "$screen" && convert "$screen" -crop "1x1+$1+$2" txt:- | grep -o '#[0-9A-F]\{6\}'; }
score_box() { import -window root "$screen" && convert "$screen" -crop 60x30+123+188 +repage "$1"; }
xdotool key Return   # START has the focus
sleep 1.5
score_box "$E2E_ROOT/score0.png"

log="$HOME/Documents/Bertovan/Quillmaren/usr/RandLog.txt"
[ -f "$log" ] || fail "no RandLog.txt"
order=$(iconv -f UTF-16LE -t UTF-8 "$log" | tr -d '\r\n\357\273\277' | sed 's/.* : //')
skip=0 word=""
for row in $(echo "$order" | tr ',' ' ' | cut -d' ' -f1-10); do
  candidate=$(iconv -f UTF-16LE -t UTF-8 "$folder/Farben.utx" | sed -n "$((row + 3))p" | sed 's/^"\([^"]*\)".*/\1/')
  if echo "$candidate" | grep -q '[äöüß]'; then word=$candidate; break; fi
  skip=$((skip + 1))
done
[ -n "$word" ] || fail "no word with an umlaut in the first set ($order)"
for _ in $(seq "$skip"); do xdotool key Return; sleep 0.3; xdotool key Return; sleep 0.3; done
keys=$(echo "$word" | sed -e 's/ä/\\a/g' -e 's/ö/\\o/g' -e 's/ü/\\u/g' -e 's/ß/]s/g')
xdotool type --delay 60 "$keys"
xdotool key Return
sleep 0.5
[ "$(pixel 50 210)" = "#000000" ] || fail "typing '$keys' for '$word' was not judged right"
score_box "$E2E_ROOT/score1.png"
changed=$(compare -metric AE "$E2E_ROOT/score0.png" "$E2E_ROOT/score1.png" null: 2>&1 || true)
[ "${changed%% *}" != 0 ] || fail "the score did not change"
close_quill "$window" "$pid"
echo "PASS"
