#!/usr/bin/env bash
# Without a display the program says so in Japanese and ends with status 1 (not Qt's abort);
# in a Wayland session without Qt's Wayland plugin it starts quietly on the X server.
set -euo pipefail
program=$1
source "$(dirname "$0")/desktop.sh"

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$E2E_ROOT/out.log" 2>"$E2E_ROOT/err.log" || status=$?
[ "$status" -eq 1 ] || fail "without a display the program ended with status $status"
grep -q "画面（ディスプレイ）が見つからない" "$E2E_ROOT/err.log" || fail "no Japanese message: $(cat "$E2E_ROOT/err.log")"

if ls /usr/lib/*/qt6/plugins/platforms/*qwayland* >/dev/null 2>&1; then
  echo "the Wayland plugin is installed: the fall-back to X11 is not tried here"
else
  start_desktop
  export WAYLAND_DISPLAY=wayland-quill-test XDG_SESSION_TYPE=wayland
  start_quill
  window=$(wait_window Quillmaren)
  close_quill "$window" "$QUILL_PID"
  [ ! -s "${E2E_LOGS[0]}" ] || fail "the start in a Wayland session wrote: $(cat "${E2E_LOGS[0]}")"
fi
echo "PASS"
