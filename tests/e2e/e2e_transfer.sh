#!/usr/bin/env bash
# The transfer on a real X11 desktop, in all eight modes: the user works in a target window,
# clicks into Quillmaren, composes and presses F9; the target receives the text by the
# automatic paste, and the clipboard holds every rendition of the mode.
set -euo pipefail
program=$1
target=$2
source "$(dirname "$0")/desktop.sh"
start_desktop

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
received="$E2E_ROOT/received.txt"

# Starts Quillmaren with the given parameter-file lines and the target window beside it.
start_both() {
  mkdir -p "$sys"
  printf '%s\r\n' "MainLeft,20" "MainTop,40" "$@" > "$sys/Quillo.rng"
  : > "$received"
  start_quill; quill_pid=$QUILL_PID
  quill=$(wait_window Quillmaren)
  "$target" PasteTarget "$received" & E2E_PIDS+=($!); target_pid=$!
  target_window=$(wait_window PasteTarget)
}

stop_both() {
  kill "$target_pid" 2>/dev/null || true
  close_quill "$quill" "$quill_pid"
}

titled_with_target() { [ "$(xdotool getwindowname "$quill")" != "Quillmaren" ]; }
quill_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$quill" ]; }
clipboard_holds() { [ "$(clipboard)" = "$1" ]; }
something_received() { [ -s "$received" ]; }

# Works in the target, then comes back to Quillmaren and types keys, then F9.
# With $2 = paste, waits for the target to receive the paste.
transfer_from_target() {
  xdotool windowactivate --sync "$target_window"
  if [ "${2:-}" = paste ]; then
    eventually titled_with_target || true   # the watch, every 250 ms, names the target
  else
    sleep 1
  fi
  shown_title=$(xdotool getwindowname "$quill")
  xdotool windowactivate --sync "$quill"
  eventually quill_active || fail "Quillmaren did not come to the front"
  sleep 0.3
  # In the phonetic modes the second field (shown under the toolbar) is the source.
  [ -n "${PHONETIC:-}" ] && xdotool mousemove --window "$quill" 300 97 click 1 && sleep 0.2
  xdotool key ctrl+a BackSpace
  # A symbol that is not on the keyboard arrives by pasting it into the field.
  if [ -n "${PASTE_FIRST:-}" ]; then
    printf '%s' "$PASTE_FIRST" | xclip -selection clipboard
    eventually clipboard_holds "$PASTE_FIRST" || fail "xclip did not take the clipboard"
    xdotool key ctrl+v
  fi
  xdotool type --delay 40 "$1"
  xdotool key F9
  if [ "${2:-}" = paste ]; then
    eventually something_received || true  # bring to front + 300 ms paste delay
    sleep 0.2
  else
    sleep 1.5
  fi
}

# 1. Rich text (mode 0), automatic paste on.
start_both "TransMode,0"
transfer_from_target ']e' paste
[ "$shown_title" = "Quillmaren  転送先: [ PasteTarget ]" ] || fail "title while watching: '$shown_title'"
[ "$(cat "$received")" = "é" ] || fail "rich text: the target received '$(cat "$received")'"
targets=$(clipboard TARGETS)
for type in text/rtf text/html UTF8_STRING; do
  grep -qx "$type" <<<"$targets" || fail "the clipboard offers no $type ($targets)"
done
rtf=$(clipboard text/rtf)
[ "$rtf" = '{\rtf1\ansi\ansicpg932\deff0\deflang1033\deflangfe1041{\fonttbl{\f0\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\lang1041\f0\fs40\u233?\f1\par}' ] ||
  fail "text/rtf is '$rtf'"
clipboard text/html | grep -q 'font-family:&quot;Times New Roman&quot;; font-size:20pt">é<' || fail "text/html: $(clipboard text/html)"
stop_both

# 2. The other main modes: hexadecimal, decimal references and plain Unicode text.
for case in "1|&#x00E9;a&lt;" "2|&#233;a<" "3|éa<"; do
  mode=${case%%|*}; expected=${case#*|}
  expected=${expected//&lt;/<}
  start_both "TransMode,$mode"
  transfer_from_target ']ea<' paste
  [ "$(cat "$received")" = "$expected" ] || fail "mode $mode: the target received '$(cat "$received")'"
  [ "$(clipboard)" = "$expected" ] || fail "mode $mode: the clipboard holds '$(clipboard)'"
  stop_both
done

# 3. The phonetic modes take the second field, shown on the word-book page.
export PHONETIC=1
for case in "10|ab<" "11|&#x0283;b<" "12|&#643;b<" "13|ʃb<"; do
  mode=${case%%|*}; expected=${case#*|}
  start_both "TransMode,$mode" "FirstPage,1" "PFlg,1"
  if [ "$mode" = 10 ]; then PASTE_FIRST=''; typed='ab<'; else PASTE_FIRST='ʃ'; typed='b<'; fi
  PASTE_FIRST=$PASTE_FIRST transfer_from_target "$typed" paste
  [ "$(cat "$received")" = "$expected" ] || fail "mode $mode: the target received '$(cat "$received")'"
  if [ "$mode" = 10 ]; then
    clipboard text/rtf | grep -qF 'Segoe UI;}}\viewkind4\uc1\pard\lang1041\f0\fs32\u97?\u98?\u60?' ||
      fail "mode 10: text/rtf is '$(clipboard text/rtf)'"
  fi
  stop_both
done
unset PHONETIC PASTE_FIRST

# 4. A target that was closed is forgotten at the next transfer: plain title, nothing pasted.
start_both "TransMode,3"
transfer_from_target 'a' paste
kill "$target_pid"; wait "$target_pid" 2>/dev/null || true
xdotool windowactivate --sync "$quill"
xdotool key F9
eventually bash -c "[ \"\$(xdotool getwindowname $quill)\" = Quillmaren ]" || fail "a closed target was not forgotten"
[ "$(clipboard)" = "a" ] || fail "clipboard holds '$(clipboard)' after the target was closed"
stop_both

# 5. Automatic paste off: only the clipboard is filled.
start_both "TransMode,3" "AutoPasteFlg,0"
transfer_from_target '[a'
[ "$(xdotool getwindowname "$quill")" = "Quillmaren" ] || fail "a target was named with automatic paste off"
[ ! -s "$received" ] || fail "pasted although automatic paste is off: '$(cat "$received")'"
[ "$(clipboard)" = "à" ] || fail "clipboard holds '$(clipboard)' with automatic paste off"
stop_both
echo "PASS"
