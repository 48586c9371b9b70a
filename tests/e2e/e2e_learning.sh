#!/usr/bin/env bash
# The learning record with the real program: a set of ten with three wrong answers is written
# to Learning.sqlite; the book then offers a 【復習】 entry whose set asks those three words
# first; and the process killed with SIGKILL during that set leaves a readable record with
# every judgement made before the kill.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
command -v sqlite3 >/dev/null || { echo "SKIP: sqlite3 is not installed (./test.sh installs it)"; exit 77; }
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
record="$sys/Learning.sqlite"
mkdir -p "$sys"
printf '%s\r\n' MainLeft,0 MainTop,0 MainWidth,740 MainHeight,730 FirstPage,1 InpMode,5 CurrentFolderIndex,2 \
  > "$sys/Quillo.rng"
folder="$HOME/Documents/Bertovan/Quillmaren/German/bookS"
words=(Haus Baum Hund Katze Brot Wasser Tisch Buch Stadt Zug)
meanings=(家 木 犬 猫 パン 水 机 本 町 電車)

start_quill; pid=$QUILL_PID
window=$(wait_window Quillmaren)
sleep 1
# One book of ten plain words is the only one offered (the samples are put aside).
rm -f "$folder"/*.utx
{
  printf '\xff\xfe'
  { printf 'Lernen\r\nE2E\r\n単語理解\r\n'
    for i in "${!words[@]}"; do printf '"%s","","","%s","",""\r\n' "${words[$i]}" "${meanings[$i]}"; done
  } | iconv -f UTF-8 -t UTF-16LE
} > "$folder/Lernen.utx"
xdotool windowactivate --sync "$window"
xdotool mousemove 191 450 click 1   # the training page's tab: its book list is read on entering
sleep 1

log="$HOME/Documents/Bertovan/Quillmaren/usr/RandLog.txt"
# The rows (from 0) that the last shuffle or review put into the set, in question order.
asked_rows() {
  iconv -f UTF-16LE -t UTF-8 "$log" | tr -d '\r\n\357\273\277' | sed 's/.* : //' | tr ',' '\n' | head -n 10 |
    while read -r number || [ -n "$number" ]; do echo $((number - 1)); done
}
sql() { sqlite3 -readonly "$record" "$1"; }
# Picks an entry of the book selector at height $1 (it moves up once the page has grown): $2
# entries below the first.
choose_entry() {
  xdotool mousemove 387 "$1" click 1
  sleep 0.5
  xdotool key Home
  for _ in $(seq "$2"); do xdotool key Down; done
  xdotool key Return
  sleep 2
}

choose_entry 483 0
xdotool key Return   # START has the focus
sleep 1.5
mapfile -t rows < <(asked_rows)
[ ${#rows[@]} -eq 10 ] || fail "the set does not ask ten words: ${rows[*]}"
missed=()
for i in "${!rows[@]}"; do
  word=${words[${rows[$i]}]}
  if [ "$i" -lt 3 ]; then xdotool type --delay 40 "${word}x"; missed+=("$word"); else xdotool type --delay 40 "$word"; fi
  xdotool key Return; sleep 0.4
  [ "$i" -lt 9 ] && { xdotool key Return; sleep 0.4; }
done
sleep 2   # the verdict, and the list of the missed words
import -window root "$E2E_ROOT/missed.png"
[ "$(sql 'SELECT count(*) FROM judgements')" = 10 ] || fail "not every judgement was recorded"
[ "$(sql 'SELECT count(*) FROM judgements WHERE correct = 0')" = 3 ] || fail "the three wrong answers are not recorded"
[ "$(sql 'SELECT count(*) FROM sets WHERE score = 70')" = 1 ] || fail "the set's score is not recorded"
wrong=$(sql "SELECT foreign_text FROM words WHERE box = 0 ORDER BY foreign_text" | tr '\n' ' ')
expected=$(printf '%s\n' "${missed[@]}" | sort | tr '\n' ' ')
[ "$wrong" = "$expected" ] || fail "box 0 holds '$wrong', not the missed '$expected'"

# The review entry stands below the book's; its set asks the three missed words first.
choose_entry 149 1
xdotool key Tab Return   # from the selector to START
sleep 1.5
mapfile -t review < <(asked_rows)
first=$(for row in "${review[@]:0:3}"; do echo "${words[$row]}"; done | sort | tr '\n' ' ')
[ "$first" = "$expected" ] || fail "the review asks '$first' first, not the missed '$expected'"
# The question on screen is the first of them: typed right, it is judged right.
xdotool type --delay 40 "${words[${review[0]}]}"
xdotool key Return; sleep 0.4
xdotool key Return; sleep 0.4
[ "$(sql 'SELECT correct FROM judgements ORDER BY id DESC LIMIT 1')" = 1 ] || fail "the review's first question was not ${words[${review[0]}]}"
xdotool type --delay 40 "wrong"
xdotool key Return; sleep 0.4

# Killed in the middle of the review: every judgement made so far is in a readable record.
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
[ "$(sqlite3 "$record" 'PRAGMA integrity_check')" = ok ] || fail "the record is damaged after the kill"
[ "$(sqlite3 "$record" 'SELECT count(*) FROM judgements')" = 12 ] || fail "judgements made before the kill are lost"
echo "PASS"
