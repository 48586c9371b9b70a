#!/usr/bin/env bash
# The automatic paste into a terminal emulator: xterm takes neither Ctrl+V nor Ctrl+Shift+V, only
# Shift+Insert, which pastes the PRIMARY selection. The terminal runs a reader that writes every
# byte it receives to a file; the composed text must arrive there.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
command -v xterm >/dev/null || { echo "SKIP: xterm is not installed (./test.sh installs it)"; exit 77; }
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
received="$E2E_ROOT/received.txt"
mkdir -p "$sys"
printf '%s\r\n' "MainLeft,20" "MainTop,40" "TransMode,3" > "$sys/Quillo.rng"
: > "$received"

start_quill; quill_pid=$QUILL_PID
quill=$(wait_window Quillmaren)
# Without canonical input the reader gets the pasted bytes at once, not at the end of a line.
LC_ALL=C.UTF-8 xterm -u8 -T PasteTerm -geometry 60x10+760+40 \
  -e sh -c 'stty -icanon -echo; exec cat > "$0"' "$received" &
E2E_PIDS+=($!)
term=$(wait_window PasteTerm)

titled_with_target() { [ "$(xdotool getwindowname "$quill")" = "Quillmaren  転送先: [ PasteTerm ]" ]; }
quill_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$quill" ]; }
received_text() { [ "$(cat "$received")" = "$1" ]; }

xdotool windowactivate --sync "$term"
eventually titled_with_target || fail "the terminal was not named as the target: '$(xdotool getwindowname "$quill")'"
xdotool windowactivate --sync "$quill"
eventually quill_active || fail "Quillmaren did not come to the front"
sleep 0.3
xdotool type --delay 40 ']ea,b'
xdotool key F9
eventually received_text 'éa,b' || fail "the terminal received '$(cat "$received")' instead of 'éa,b'"
[ "$(xdotool getactivewindow)" = "$term" ] || fail "the terminal is not in front after the paste"

close_quill "$quill" "$quill_pid"
echo "PASS"
