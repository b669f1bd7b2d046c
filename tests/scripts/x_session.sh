# Shared by the scripts that run the real program on an X server of their own.
# The caller sets $work (a scratch folder) before it sources this file.

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
