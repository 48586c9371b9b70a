#!/usr/bin/env bash
# Odd files among the word books, with the real program: a named pipe and a link to /dev/zero
# named like books neither hang nor end it at start-up, in the book list or in the search, and
# the search dialog closed while its own message box is open does not end the program.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
books="$HOME/Documents/Bertovan/Quillmaren/English/bookA"
mkdir -p "$sys" "$books"
printf '%s\r\n' MainLeft,0 MainTop,0 MainWidth,740 MainHeight,730 FirstPage,1 CurrentFolderIndex,0 \
  SearchFolderIndex,0 > "$sys/Quillo.rng"
mkfifo "$books/fifo.utx"
ln -s /dev/zero "$books/zero.utx"
truncate -s 300M "$books/large.utx"  # too large to read: the search says so

start_quill; pid=$QUILL_PID
window=$(wait_window Quillmaren)
sleep 1
kill -0 "$pid" || fail "the program ended at start-up"

# The search over the folder: the large book is told in a message box of the dialog's own.
xdotool windowactivate --sync "$window"
dialog=$(open_window 単語帳検索 xdotool key F6)
xdotool windowactivate --sync "$dialog"
sleep 0.3
xdotool key shift+Tab Home  # the foreign field
sleep 0.3
xdotool type --delay 40 'a'
xdotool key Return
for _ in $(seq 100); do [ "$(visible_windows Quillmaren | wc -l)" -ge 2 ] && break; sleep 0.1; done
[ "$(visible_windows Quillmaren | wc -l)" -ge 2 ] || fail "the search told of no unreadable book"

# Closing the search dialog under its message box: the program goes on.
wmctrl -i -c "$dialog"
sleep 1
kill -0 "$pid" || fail "the program ended when the search dialog was closed under its message"
box=$(visible_windows Quillmaren | grep -v "^$window\$" | head -n 1)
[ -n "$box" ] || fail "the message box went away"
xdotool windowactivate --sync "$box" key Return
sleep 0.5
kill -0 "$pid" || fail "the program ended after the message was read"
# The dialog closes once its message is read.
if [ -n "$(visible_windows 単語帳検索)" ]; then
  wmctrl -i -c "$dialog"
  for _ in $(seq 50); do [ -z "$(visible_windows 単語帳検索)" ] && break; sleep 0.1; done
fi
[ -z "$(visible_windows 単語帳検索)" ] || fail "the search dialog does not close"
close_quill "$window" "$pid"
echo "PASS"
