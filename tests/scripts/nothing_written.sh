#!/usr/bin/env bash
# A run in a fresh home writes nothing anywhere: strace lists every file the program
# creates or opens for writing, and the fresh folders must stay empty. Two runs:
# as in a desktop session (a runtime folder given), and on a bare X server with
# neither a session bus nor a runtime folder, where libdbus would start a bus of its
# own and write into the home. Every wait waits for the event itself, bounded by
# timeout.
set -uo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh"

# Fontconfig keeps a cache of its own in the user's cache folder when the system's
# is out of date (fonts installed without fc-cache run). That is the system's
# matter, not the program's: it is told apart here with fontconfig's own tool.
probe="$work/probe"; mkdir -p "$probe"
HOME="$probe" XDG_CACHE_HOME="$probe/.cache" fc-list >/dev/null 2>&1
fontcache=""
if [ -n "$(find "$probe" -mindepth 1 -print -quit)" ]; then
  fontcache="/.cache/fontconfig"
  echo "note: the system's font cache is out of date (run fc-cache as root); fontconfig's own cache is not counted"
fi

# One session: the help box opened and closed, the info window opened, then the
# end by SIGTERM. Writes go to $work/trace.<name>.
session() {  # name, then environment assignments for the program
  local name="$1"; shift
  local home="$work/$name/home"; mkdir -p "$home"
  start_x || { fail "$name: no X server"; return; }
  env -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR -u SESSION_MANAGER \
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
    XDG_DATA_HOME="$home/.local/share" XDG_STATE_HOME="$home/.local/state" "$@" \
    strace -f -qq -o "$work/trace.$name" \
    -e trace=openat,open,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,symlink \
    "$program" >/dev/null 2>&1 </dev/null & local tracer=$!
  local win; win=$(window_named Minuskolonne)
  if [ -z "$win" ]; then
    fail "$name: no window"
  else
    # "Hilfe" sits at 1800,120 twips (15 per pixel), 855 x 495; "Info" at 6000,120.
    xdotool mousemove --window "$win" $(((1800 + 427) / 15)) $(((120 + 247) / 15)) click 1
    local box; box=$(window_named Hilfe) && xdotool key --window "$box" Return
    xdotool mousemove --window "$win" $(((6000 + 427) / 15)) $(((120 + 247) / 15)) click 1
    [ -n "$(window_named Programm-Info)" ] || fail "$name: the info window did not open"
  fi
  local child; child=$(pgrep -P "$tracer" | head -1)
  [ -n "$child" ] && kill -TERM "$child"
  timeout 10 tail --pid="$tracer" -f /dev/null || { fail "$name: still running"; kill -9 "$tracer"; }
  wait "$tracer"
  stop_x
}

# What the trace shows written or created, less the devices, the X socket and what
# is allowed by the pattern given.
written_in() {  # name allowed-pattern
  grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|mkdir|rename|unlink|link\(' "$work/trace.$1" |
    grep -v -E '= -1 |/dev/|/proc/|memfd:|/tmp/\.X11-unix' |
    { if [ -n "$2" ]; then grep -v -E "$2"; else cat; fi } || true
}
left_in() {  # folder allowed-pattern: what lies in it, less what is allowed
  find "$1" -mindepth 1 | { if [ -n "$2" ]; then grep -v -E "$2"; else cat; fi } || true
}

# In a desktop session: the runtime folder is given, the session bus is not running.
mkdir -p "$work/desktop/run"; chmod 700 "$work/desktop/run"
session desktop XDG_RUNTIME_DIR="$work/desktop/run"
allowed=${fontcache:+"$work/desktop/home$fontcache"}
written=$(written_in desktop "$allowed")
left=$( { left_in "$work/desktop/home" "$allowed"; left_in "$work/desktop/run" ""; } )
if [ -z "$written" ] && [ -z "$left" ]; then
  pass "a desktop session writes nothing on disk"
else
  fail "a desktop session wrote:"; echo "$written"; echo "$left"
fi

# On a bare X server: no runtime folder either. Qt then makes an empty private one
# in the temporary folder (here a fresh one), and that is all it may make.
mkdir -p "$work/bare/tmp"
session bare TMPDIR="$work/bare/tmp"
runtime="$work/bare/tmp/runtime-$(id -un)"
allowed="mkdir\(\"$runtime\"${fontcache:+|$work/bare/home$fontcache}"
written=$(written_in bare "$allowed")
left=$( { left_in "$work/bare/home" "${fontcache:+$work/bare/home$fontcache}"
          left_in "$work/bare/tmp" "^$runtime\$"; } )
if [ -z "$written" ] && [ -z "$left" ]; then
  pass "a bare X server's session writes nothing on disk but Qt's empty runtime folder"
else
  fail "a bare X server's session wrote:"; echo "$written"; echo "$left"
fi

[ "$failures" -eq 0 ]
