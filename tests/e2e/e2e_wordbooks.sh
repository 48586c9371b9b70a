#!/usr/bin/env bash
# Word books with the real program: the word-book page lists the sample books of the current
# folder, and a book made through 新規作成 lies on disk with exactly its three header lines.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
mkdir -p "$sys"
printf '%s\r\n' MainLeft,0 MainTop,0 MainWidth,900 MainHeight,760 FirstPage,1 CurrentFolderIndex,2 > "$sys/Quillo.rng"
start_quill; pid=$QUILL_PID
window=$(wait_window Quillmaren)
sleep 1
folder="$HOME/Documents/Bertovan/Quillmaren/English/bookS"
books=$(ls "$folder"/*.utx | wc -l)
[ "$books" -ge 1 ] || fail "no sample books were installed into $folder"

# The status bar names the folder and the total of the listed books' words.
title=$(xdotool getwindowname "$window")
[ "$title" = Quillmaren ] || fail "unexpected title $title"

# 新規作成: the menu's first item, a title, Enter, then Enter in the save dialog.
new_book() {
  xdotool windowactivate --sync "$window"
  xdotool key --window "$window" alt+w
  sleep 0.4
  xdotool key Return
}
dialog=$(open_window 単語帳の新規作成 new_book)
xdotool windowactivate --sync "$dialog"
sleep 0.3
xdotool type --delay 30 'Verbs'
xdotool key Return
save=$(wait_window '単語帳のファイル名指定　（「保存」ボタンを押し、空のファイルを作って下さい。）')
xdotool windowactivate --sync "$save"
sleep 0.5
xdotool key Return
for _ in $(seq 50); do [ -f "$folder/Verbs.utx" ] && break; sleep 0.1; done
[ -f "$folder/Verbs.utx" ] || fail "no Verbs.utx in $folder"
expected=$(printf '\xff\xfeV\0e\0r\0b\0s\0\r\0\n\0\r\0\n\0\x58\x53\x9e\x8a\x06\x74\xe3\x89\r\0\n\0' | od -An -tx1)
actual=$(od -An -tx1 < "$folder/Verbs.utx")
[ "$actual" = "$expected" ] || fail "Verbs.utx holds $actual"

# F4 registers a word in the new book (it opened when it was made): foreign word, Tab to the
# Japanese field, F4 again. The file holds the header and exactly the new line.
register() {
  xdotool windowactivate --sync "$window"
  xdotool key F4
}
sleep 1.5 # the book panel slides closed, then the book opens
words=$(open_window 単語登録 register)
xdotool windowactivate --sync "$words"
sleep 0.3
xdotool type --delay 30 'go'
xdotool key Tab Tab Tab
xdotool type --delay 30 'iku'
xdotool key F4
for _ in $(seq 50); do [ -z "$(visible_windows 単語登録)" ] && break; sleep 0.1; done
expected=$( (printf '\xff\xfe'; printf 'Verbs\r\n\r\n単語理解\r\n"go","","","iku","",""\r\n' | iconv -f UTF-8 -t UTF-16LE) | od -An -tx1)
actual=$(od -An -tx1 < "$folder/Verbs.utx")
[ "$actual" = "$expected" ] || fail "after F4 Verbs.utx holds $actual"
close_quill "$window" "$pid"
echo "PASS"
