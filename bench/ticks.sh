#!/usr/bin/env bash
# Tick benchmark of the catching game, not a test: under Xvfb, the median and
# worst time of 1,000 ticks (window logic and repaint) and the CPU the trainer
# uses idling for 2 s after the game was left (target 0: the timer is off).
# With --shots DIR it also saves screen pictures of the games.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != --under-xvfb ]]; then
  scripts/install-deps
  cmake -S bench -B build/bench-tools -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/bench-tools --target bench_ticks >/dev/null
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" --under-xvfb "$@"
fi
shift
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
build/bench-tools/bench_ticks "$@"
