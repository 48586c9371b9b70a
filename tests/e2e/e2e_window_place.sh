#!/usr/bin/env bash
# The window's place and size under a real window manager: a saved place survives start and
# close unchanged, a window that is not placed is centred by its frame, and a saved size
# beyond the screen is bounded by it.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
start_desktop  # a 1280 × 1024 screen

sys="$XDG_DATA_HOME/Bertovan/Quillmaren/Sys"
rng="$sys/Quillo.rng"
mkdir -p "$sys"
saved() { grep -E "^$1," "$rng" | tr -d '\r' | cut -d, -f2; }

# Starts the program, waits for its window, closes it again; sets WINDOW while it is open.
start_and_close() {
  start_quill; local pid=$QUILL_PID
  WINDOW=$(wait_window Quillmaren)
  sleep 0.5
  ${AT_OPEN:-true}
  close_quill "$WINDOW" "$pid"
}

printf '%s\r\n' MainLeft,200 MainTop,150 MainWidth,800 MainHeight,760 MemPosFlg,1 > "$rng"
for cycle in 1 2 3; do
  start_and_close
  [ "$(saved MainLeft),$(saved MainTop),$(saved MainWidth),$(saved MainHeight)" = "200,150,800,760" ] ||
    fail "cycle $cycle saved $(saved MainLeft),$(saved MainTop),$(saved MainWidth),$(saved MainHeight)"
done

# Not remembered: the frame (the window with its title bar and borders) lies in the centre.
printf '%s\r\n' MainLeft,200 MainTop,150 MainWidth,800 MainHeight,760 MemPosFlg,0 > "$rng"
frame_of_window() {
  read -r left right top bottom < <(xprop -id "$WINDOW" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  FRAME_WIDTH=$((800 + left + right)); FRAME_HEIGHT=$((760 + top + bottom))
}
AT_OPEN=frame_of_window start_and_close
expected_left=$(((1280 - FRAME_WIDTH) / 2)); expected_top=$(((1024 - FRAME_HEIGHT) / 2))
[ "$(saved MainLeft),$(saved MainTop)" = "$expected_left,$expected_top" ] ||
  fail "centred frame at $(saved MainLeft),$(saved MainTop) instead of $expected_left,$expected_top"

# A saved size far beyond the screen gives a window that fits the screen.
printf '%s\r\n' MainLeft,0 MainTop,0 MainWidth,100000 MainHeight,100000 MemPosFlg,1 > "$rng"
measure() { read -r WIDTH HEIGHT < <(xdotool getwindowgeometry "$WINDOW" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p'); }
AT_OPEN=measure start_and_close
[ "$WIDTH" -le 1280 ] && [ "$HEIGHT" -le 1024 ] || fail "a ${WIDTH}x${HEIGHT} window on a 1280x1024 screen"
echo "PASS"
