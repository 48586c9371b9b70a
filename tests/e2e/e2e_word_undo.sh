#!/usr/bin/env bash
# Undo and redo of the open word book with the real program: a word deleted through the word
# list's menu comes back into the file on Ctrl+Z in the list, and goes again on Ctrl+Y.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
folder="$HOME/Documents/Bertovan/Quillmaren/English/bookS"
mkdir -p "$sys" "$folder"
printf '%s\r\n' MainLeft,0 MainTop,0 MainWidth,900 MainHeight,760 FirstPage,1 CurrentFolderIndex,2 > "$sys/Quillo.rng"
# Group 000 lists the book first, above the sample books.
words_file() {
  printf '\xff\xfe' > "$1"
  { printf 'Undo\r\n000\r\n単語理解\r\n'; shift; for w in "$@"; do printf '"%s","","","j%s","",""\r\n' "$w" "$w"; done; } |
    iconv -f UTF-8 -t UTF-16LE >> "$1"
}
words_file "$folder/0undo.utx" apple banana cherry
words_file "$E2E_ROOT/all.utx" apple banana cherry
words_file "$E2E_ROOT/deleted.utx" apple cherry
same() { cmp -s "$folder/0undo.utx" "$E2E_ROOT/$1"; }

start_quill; pid=$QUILL_PID
window=$(wait_window Quillmaren)
sleep 1.5
xdotool windowactivate --sync "$window"
# The first book of the book list, then the panel slides shut and the book opens.
xdotool mousemove 543 603 click 1
sleep 2
# banana, the second word: selected, then deleted through the list's context menu.
xdotool mousemove 84 556 click 1
sleep 0.3
xdotool click 3
sleep 0.5
xdotool key Down Down Down Return
# The question has the main window's title; its default answer is いいえ.
box=""
for _ in $(seq 50); do
  box=$(visible_windows Quillmaren | grep -vx "$window" | head -n 1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "deleting the word asked nothing"
xdotool windowactivate --sync "$box"
sleep 0.3
xdotool key shift+Tab space
sleep 0.5
eventually same deleted.utx || fail "the word was not deleted: $(od -An -c "$folder/0undo.utx" | head -n 3)"

xdotool key ctrl+z
eventually same all.utx || fail "Ctrl+Z in the word list did not bring the word back into the file"
xdotool key ctrl+y
eventually same deleted.utx || fail "Ctrl+Y in the word list did not delete the word again"
close_quill "$window" "$pid"
echo "PASS"
