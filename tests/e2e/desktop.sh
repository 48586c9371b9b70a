# Shared set-up of the end-to-end tests: a private X display with a real window manager, a
# fresh home folder, and helpers to wait for windows. Sourced by the e2e_*.sh tests.
# A test whose tools are missing exits 77, which CTest reports as skipped.

for tool in Xvfb openbox xdotool xclip wmctrl; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (./test.sh installs it)"; exit 77; }
done

E2E_ROOT=$(mktemp -d)
export HOME="$E2E_ROOT/home" XDG_RUNTIME_DIR="$E2E_ROOT/run"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
E2E_PIDS=()
E2E_LOGS=()

e2e_cleanup() {
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$E2E_ROOT"
}
trap e2e_cleanup EXIT

# Fails the test, showing what the programs reported on their error output.
fail() {
  echo "FAIL: $*"
  for log in "${E2E_LOGS[@]}"; do [ -s "$log" ] && { echo "--- $log"; cat "$log"; }; done
  exit 1
}

# Starts the program under test ($program) with its error output kept; sets QUILL_PID.
start_quill() {
  local log="$E2E_ROOT/quill-${#E2E_LOGS[@]}.log"
  E2E_LOGS+=("$log")
  "$program" "$@" 2>"$log" &
  QUILL_PID=$!
  E2E_PIDS+=("$QUILL_PID")
}

# Closes the program's window $1 and checks that its process $2 ended with status 0 and
# reported no crash or sanitizer finding.
close_quill() {
  wmctrl -i -c "$1"
  wait_exit "$2"
  local status=0
  wait "$2" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  for log in "${E2E_LOGS[@]}"; do
    ! grep -qE 'Sanitizer|runtime error:|QFATAL|Segmentation fault' "$log" || fail "the program reported an error"
  done
}

# Starts Xvfb on a free display (a screen of $1, 1280x1024 unless given) and openbox on it.
start_desktop() {
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 "${1:-1280x1024}x24" -nolisten tcp >"$E2E_ROOT/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  local number=""
  read -r -t 15 number <&"$display_fd" || fail "Xvfb did not start"
  export DISPLAY=":$number"
  # A loaded machine may take a while: 30 s for the window manager, and once more if it ended
  # without ever managing the screen.
  for attempt in 1 2; do
    openbox >>"$E2E_ROOT/openbox.log" 2>&1 &
    local wm=$!
    E2E_PIDS+=("$wm")
    for _ in $(seq 300); do
      wmctrl -m >/dev/null 2>&1 && return 0
      kill -0 "$wm" 2>/dev/null || break
      sleep 0.1
    done
    kill "$wm" 2>/dev/null || true
  done
  fail "openbox did not start: $(tail -n 5 "$E2E_ROOT/openbox.log")"
}

# Prints the ids of the visible windows whose title is exactly $1.
visible_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }

# Waits until a visible window titled exactly $1 exists and prints its id.
wait_window() {
  for _ in $(seq 200); do
    local id
    id=$(visible_windows "$1" | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window titled '$1' appeared"
}

# Runs the command after $1 until a visible window titled $1 exists, waiting 5 s after each
# try (a busy program may not yet take the keys that open it), and prints its id.
open_window() {
  local title=$1 id
  shift
  for _ in 1 2 3; do
    "$@"
    for _ in $(seq 50); do
      id=$(visible_windows "$title" | head -n 1)
      [ -n "$id" ] && { echo "$id"; return 0; }
      sleep 0.1
    done
  done
  fail "no window titled '$title' appeared"
}

# Waits until process $1 has ended; fails after 10 s.
wait_exit() {
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  fail "process $1 did not end"
}

# Waits up to 5 s for a command to succeed.
eventually() {
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Reads the clipboard as text (or as the type named in $1).
clipboard() { xclip -o -selection clipboard ${1:+-t "$1"} 2>/dev/null; }
