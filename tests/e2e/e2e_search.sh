#!/usr/bin/env bash
# The word-book search with the real program: F6 opens it, the foreign field is searched
# over the sample books of the conversation folder, and a hit goes into the input area.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
mkdir -p "$sys"
printf '%s\r\n' MainLeft,0 MainTop,0 MainWidth,740 MainHeight,730 FirstPage,0 SearchFolderIndex,0 > "$sys/Quillo.rng"
start_quill; pid=$QUILL_PID
window=$(wait_window Quillmaren)
sleep 1
xdotool windowactivate --sync "$window"
xdotool key F6
dialog=$(wait_window 単語帳検索)
xdotool windowactivate --sync "$dialog"
sleep 0.3
# From the search field back to the field chooser; Home chooses the foreign field, which
# gives the focus back to the search field.
xdotool key shift+Tab Home
sleep 0.3
xdotool type --delay 40 'goodbye'
xdotool key Return
sleep 0.5
# The first row of the result list, then この単語を入力 under the list.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 60)) $((Y + 104)) click 1
sleep 0.3
xdotool mousemove $((X + 62)) $((Y + 298)) click 1
for _ in $(seq 50); do [ -z "$(visible_windows 単語帳検索)" ] && break; sleep 0.1; done
[ -z "$(visible_windows 単語帳検索)" ] || fail "the search dialog stayed open"
xdotool windowactivate --sync "$window"
sleep 0.2
xdotool key ctrl+a ctrl+c
sleep 0.3
[ "$(clipboard)" = goodbye ] || fail "the input area holds '$(clipboard)'"
close_quill "$window" "$pid"
echo "PASS"
