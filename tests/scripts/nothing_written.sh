#!/usr/bin/env bash
# A run in a fresh home writes nothing anywhere: strace lists every file the program
# creates or opens for writing. Every wait waits for the event itself, bounded by timeout.
set -uo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# Own X server per check, so that killing it touches nothing else.
start_x() {
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$work/display" 2>/dev/null &
  xpid=$!
  timeout 10 bash -c "until [ -s '$work/display' ]; do sleep 0.05; done" || return 1
  export DISPLAY=":$(cat "$work/display")"
}
stop_x() { kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; rm -f "$work/display"; }

# Waits until a window of that name is mapped; prints its id.
window_named() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }

ends_with() {  # pid expected-code what
  local code
  timeout 10 tail --pid="$1" -f /dev/null || { fail "$3: still running"; kill -9 "$1"; return; }
  wait "$1"; code=$?
  [ "$code" -eq "$2" ] && pass "$3 (exit $code)" || fail "$3: exit $code, expected $2"
}

# Nothing written: a fresh home, a session with a box, then the end. strace lists every
# file the program opens for writing or creates, anywhere.
start_x
home="$work/home"; mkdir -p "$home"; mkdir -m 700 "$work/run"
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
  XDG_DATA_HOME="$home/.local/share" XDG_STATE_HOME="$home/.local/state" XDG_RUNTIME_DIR="$work/run" \
  strace -f -qq -o "$work/trace" -e trace=openat,open,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,symlink \
  "$program" & pid=$!
win=$(window_named Minuskolonne)
xdotool mousemove --window "$win" $(((1800 + 427) / 15)) $(((120 + 247) / 15)) click 1
box=$(window_named Hilfe) && xdotool key --window "$box" Return
kill -TERM "$(pgrep -P "$pid" | head -1)"; timeout 10 tail --pid="$pid" -f /dev/null; wait "$pid"
[ -z "$(find "$work/run" -mindepth 1)" ] || { fail "runtime folder used:"; find "$work/run"; }
written=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|mkdir|rename|unlink|link\(' "$work/trace" |
  grep -v -E '= -1 |/dev/|/proc/|memfd:|/tmp/\.X11-unix' || true)
if [ -z "$written" ] && [ -z "$(find "$home" -mindepth 1)" ]; then
  pass "nothing written on disk"
else
  fail "written on disk:"; echo "$written"; find "$home" -mindepth 1
fi
stop_x

[ "$failures" -eq 0 ]
