#!/usr/bin/env bash
# On a 1280 × 720 screen, and at 200 % scaling, the whole window with its frame lies on the
# screen, where a fixed 740 × 730 minimum would push the status bar and the pads off it.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"
start_desktop 1280x720

# The frame's outer size and place: the window's own geometry with the frame extents around it.
frame_on_screen() {
  local left right top bottom x y width height info
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  info=$(xwininfo -id "$1")
  x=$(($(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") - left))
  y=$(($(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info") - top))
  width=$(($(sed -n 's/.*Width: *//p' <<<"$info") + left + right))
  height=$(($(sed -n 's/.*Height: *//p' <<<"$info") + top + bottom))
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le 1280 ] && [ $((y + height)) -le 720 ] ||
    fail "$2: the frame ${width}x$height at $x,$y does not lie on the 1280x720 screen"
}

for scale in 1 2; do
  export QT_SCALE_FACTOR=$scale
  start_quill
  window=$(wait_window Quillmaren)
  sleep 1
  frame_on_screen "$window" "scale $scale"
  close_quill "$window" "$QUILL_PID"
  rm -f "$XDG_DATA_HOME/Bertovan/Quillmaren/Sys/Quillo.rng"
done
echo "PASS"
