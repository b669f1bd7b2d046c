#!/usr/bin/env bash
# The command line answers without a display, as over ssh: each case runs the
# program with no display at all and checks its exit code and what it printed.
set -uo pipefail
program=$1
failures=0

# arguments | expected exit code | stream (out/err) | text the stream must hold
cases=(
  "--help|0|out|Aufruf: minuskolonne"
  "-h|0|out|--version"
  "--version|0|out|minuskolonne [0-9]+\.[0-9]+"
  "-v|0|out|^minuskolonne [0-9]"
  "--frobnicate|2|err|unbekannte Option „--frobnicate“"
  "-x|2|err|unbekannte Option „-x“"
  "--help --frobnicate|2|err|unbekannte Option"
  "aufgabe.txt|2|err|unerwartetes Argument „aufgabe.txt“"
  "-platform|2|err|fehlerhafte Angabe"
  "-style fusion --version|0|out|^minuskolonne [0-9]"
)

for case in "${cases[@]}"; do
  IFS='|' read -r args code stream pattern <<<"$case"
  out=$(mktemp) err=$(mktemp)
  # shellcheck disable=SC2086  # the arguments are split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" $args >"$out" 2>"$err"
  got=$?
  text=$([ "$stream" = out ] && cat "$out" || cat "$err")
  other=$([ "$stream" = out ] && cat "$err" || cat "$out")
  if [ "$got" -ne "$code" ]; then
    echo "FAIL $args: exit code $got, expected $code"; failures=$((failures + 1))
  elif ! grep -Eq -- "$pattern" <<<"$text"; then
    echo "FAIL $args: std$stream lacks '$pattern':"; echo "$text"; failures=$((failures + 1))
  elif [ -n "$other" ]; then
    echo "FAIL $args: the other stream is not empty:"; echo "$other"; failures=$((failures + 1))
  else
    echo "ok   $args"
  fi
  rm -f "$out" "$err"
done
exit $((failures > 0))
