#!/usr/bin/env bash
# The program's ways of ending and living beside itself, on a real X server:
# SIGTERM and SIGINT end it with 128 + the signal (no core), also with a box open;
# losing the X server ends it without a crash or a hang; a second copy starts on its
# own. Every wait waits for the event itself,
# bounded by timeout.
set -uo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh"

ends_with() {  # pid expected-code what
  local code
  timeout 10 tail --pid="$1" -f /dev/null || { fail "$3: still running"; kill -9 "$1"; return; }
  wait "$1"; code=$?
  [ "$code" -eq "$2" ] && pass "$3 (exit $code)" || fail "$3: exit $code, expected $2"
}

ulimit -c 0
for sig in TERM INT; do
  start_x || { fail "no X server"; continue; }
  "$program" & pid=$!
  [ -n "$(window_named Minuskolonne)" ] || fail "SIG$sig: no window"
  kill -"$sig" "$pid"
  ends_with "$pid" $((128 + $(kill -l "$sig"))) "SIG$sig ends the program"
  stop_x
done

# SIGTERM while the help box is open: the box closes with the program.
start_x
"$program" & pid=$!
win=$(window_named Minuskolonne)
# "Hilfe" sits at 1800,120 twips (15 per pixel), 855 x 495.
xdotool mousemove --window "$win" $(((1800 + 427) / 15)) $(((120 + 247) / 15)) click 1
[ -n "$(window_named Hilfe)" ] && pass "help box open" || fail "help box did not open"
kill -TERM "$pid"
ends_with "$pid" 143 "SIGTERM with a box open ends the program"
stop_x

# The X server goes away under the running program.
start_x
"$program" 2>"$work/lost.txt" & pid=$!
window_named Minuskolonne >/dev/null
stop_x
timeout 10 tail --pid="$pid" -f /dev/null || { fail "X lost: still running"; kill -9 "$pid"; }
wait "$pid"; code=$?
if [ "$code" -lt 128 ]; then pass "X lost ends the program (exit $code)"; else fail "X lost: exit $code (a signal)"; fi

# Two copies side by side: each has its window, and ending one leaves the other.
start_x
"$program" & first=$!
window_named Minuskolonne >/dev/null
"$program" & second=$!
if timeout 10 bash -c 'until [ "$(xdotool search --onlyvisible --name "^Minuskolonne$" | wc -l)" -ge 2 ]; do sleep 0.1; done'; then
  pass "a second copy opens its own window"
else
  fail "no second window"
fi
kill -TERM "$first"; ends_with "$first" 143 "the first copy ends alone"
kill -0 "$second" 2>/dev/null && pass "the second copy lives on" || fail "the second copy died with the first"
kill -TERM "$second"; ends_with "$second" 143 "the second copy ends"
stop_x


[ "$failures" -eq 0 ]
