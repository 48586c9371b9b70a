#!/usr/bin/env bash
# The real program on a real X display: it starts, shows itself when started again, composes a letter
# typed into its input area, saves its settings on close, and survives a killed copy's lock.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
start_desktop

start_quill; first=$QUILL_PID
window=$(wait_window Quillmaren)
[ -f "$XDG_DATA_HOME/Bertovan/Quillmaren/Sys/Leaf790.txt" ] || fail "no version marker"
# A normal start says nothing on the terminal (logging is off unless asked for).
[ ! -s "${E2E_LOGS[0]}" ] || fail "the first start wrote to its error output"

# A second copy ends at once, with status 0 and no window of its own, and brings the running
# copy's window back to the front from the task bar.
xdotool windowminimize --sync "$window"
is_minimised() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
eventually is_minimised || fail "the window could not be minimised for the test"
status=0; timeout 10 "$program" || status=$?
[ "$status" -eq 0 ] || fail "second copy ended with status $status"
eventually bash -c "! xprop -id $window _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN" ||
  fail "the running copy stayed minimised after a second start"
eventually bash -c "[ \"\$(xdotool getactivewindow)\" = $window ]" ||
  fail "the running copy did not come to the front after a second start"
[ "$(visible_windows Quillmaren | wc -l)" -eq 1 ] || fail "a second window appeared"

# ] then e in the input area gives é.
xdotool windowactivate --sync "$window"
sleep 0.3
xdotool type --delay 40 ']e'
xdotool key ctrl+a ctrl+c
sleep 0.3
[ "$(clipboard)" = "é" ] || fail "input area holds '$(clipboard)' instead of é"

# Closing writes the parameter file with its 43 keys.
close_quill "$window" "$first"
rng="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys/Quillo.rng"
[ "$(grep -c $'\r$' "$rng")" -eq 43 ] || fail "Quillo.rng does not hold 43 CR LF lines"

# A copy that was killed leaves its lock behind; the next start is not blocked by it.
"$program" & killed=$!
wait_window Quillmaren >/dev/null
kill -9 "$killed"; wait "$killed" 2>/dev/null || true
for _ in $(seq 100); do [ -z "$(visible_windows Quillmaren)" ] && break; sleep 0.1; done
ls "$XDG_RUNTIME_DIR"/*.lock >/dev/null 2>&1 || fail "the killed copy left no lock to take over"
start_quill; third=$QUILL_PID
window=$(wait_window Quillmaren)
sleep 0.5
kill -0 "$third" 2>/dev/null || fail "the start after a killed copy ended"
close_quill "$window" "$third"

# A runtime folder that cannot hold the lock does not stop the start.
XDG_RUNTIME_DIR="$E2E_ROOT/home/.profile-file/run"
touch "$E2E_ROOT/home/.profile-file"
start_quill; fourth=$QUILL_PID
window=$(wait_window Quillmaren)
close_quill "$window" "$fourth"
echo "PASS"
