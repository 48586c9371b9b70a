#!/usr/bin/env bash
# The real program killed with SIGKILL while it saves: a book of 100 000 words is opened on the
# word-book page and sorted by a click on a column (answered はい), and the program is killed
# at a random moment of the sort and its write, 100 times. Every time the file on disk must be
# the whole book, in the old order or the new one. The same for the parameter file: the window
# is closed and the program killed at a random moment while it writes its settings.
set -euo pipefail
program=$1
helper=$2
source "$(dirname "$0")/../e2e/desktop.sh"
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
books="$HOME/Documents/Bertovan/Quillmaren/English/bookS"
mkdir -p "$sys" "$books"
"$helper" prepare "$books"
rm -f "$books/Quillo.rng"
parameters() {
  printf '%s\r\n' "MainLeft,0" "MainTop,0" "FirstPage,1" "CurrentFolderIndex,2" "NoSampleFlg,1" > "$sys/Quillo.rng"
}
parameters

# Sorted by the foreign word, descending, the book starts with this word; each round starts
# from a shuffled book, so the first word tells whether the kill came before or after the write.
sorted_first=word99999
old=0 new=0
for round in $(seq ${ROUNDS:-100}); do
  "$helper" shuffle "$books"
  start_quill; pid=$QUILL_PID
  quill=$(wait_window Quillmaren)
  xdotool mousemove 400 575 click 1    # the book, first in the folder's list; it opens
  sleep 1.2
  xdotool mousemove 80 477 click 1     # the column 英語: the question whether to sort
  sleep 0.3
  xdotool key Tab Return               # はい
  sleep "0.$(printf '%03d' $((RANDOM % 130)))"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  word=$("$helper" checkbook "$books") || fail "round $round: the book is not whole after the kill"
  if [ "$word" = "$sorted_first" ]; then new=$((new + 1)); else old=$((old + 1)); fi
  rm -f "$books"/*.utx.* 2>/dev/null || true
  parameters
done
echo "book: $((old + new)) kills, every time whole ($old times the old order, $new times the sorted one)"
# Some kills must have landed after the write and some before, or the test shows nothing.
[ "$old" -gt 0 ] && [ "$new" -gt 0 ] || fail "every kill landed on the same side of the write"

# The parameter file at close: the window is closed and the program killed at a random moment
# around the write; the file is the old one or the new one, never torn.
before=0 after=0
for round in $(seq ${ROUNDS:-100}); do
  start_quill; pid=$QUILL_PID
  quill=$(wait_window Quillmaren)
  # The kill is on its way while the close request goes out: the write takes about a
  # millisecond, so the two race.
  (sleep "0.00$((RANDOM % 10))"; kill -KILL "$pid" 2>/dev/null || true) &
  killer=$!
  wmctrl -i -c "$quill"
  wait "$killer" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  lines=$(tr -cd '\n' < "$sys/Quillo.rng" | wc -c)
  [ "$lines" -eq 5 ] || [ "$lines" -ge 40 ] || fail "round $round: the parameter file has $lines lines"
  grep -q '^CurrentFolderIndex,2' "$sys/Quillo.rng" || fail "round $round: the parameter file lost a setting"
  rm -f "$sys"/Quillo.rng.* 2>/dev/null || true
  if [ "$lines" -eq 5 ]; then before=$((before + 1)); else after=$((after + 1)); fi
  parameters   # each round starts from the short file, so that every write can be seen
done
echo "parameter file: $((before + after)) kills, every time whole ($before times the old file, $after times the new)"
echo "PASS: the real program killed while saving, every file whole"
