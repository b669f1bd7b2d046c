#!/usr/bin/env bash
# Start-up benchmark, not a test: starts the trainer and a bare Qt window of the
# same size and control count under Xvfb, RUNS times each (default 7), and
# reports as medians the time from exec to the first painted frame and the peak
# resident size; then checks that the idle trainer uses no CPU.
# Targets: start-up within 1.2 x the bare window, peak RSS <= 35 MiB, idle 0 ticks.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${RUNS:-7}"

if [[ "${1:-}" != --under-xvfb ]]; then
  scripts/install-deps
  # Built as ./run builds it.
  app=$(scripts/build-dir bench-app)
  tools=$(scripts/build-dir bench-tools)
  cmake -S . -B "$app" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMINUS_BUILD_TESTS=OFF >/dev/null
  cmake --build "$app" --target minuskolonne >/dev/null
  cmake -S bench -B "$tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$tools" >/dev/null
  export BENCH_APP="$app" BENCH_TOOLS="$tools"
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" --under-xvfb
fi

launch=$BENCH_TOOLS/bench_launch
trainer=$BENCH_APP/minuskolonne
bare=$BENCH_TOOLS/bare_window
out=bench/out
mkdir -p "$out"
: >"$out/trainer.txt"
: >"$out/bare.txt"
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# One unmeasured start each, so that both find libraries and fonts cached.
"$launch" "$trainer" >/dev/null
"$launch" "$bare" >/dev/null
# Alternating, so that both see the same machine.
for ((i = 0; i < runs; i++)); do
  "$launch" "$trainer" >>"$out/trainer.txt"
  "$launch" "$bare" >>"$out/bare.txt"
done
"$launch" --idle 2 "$trainer" >"$out/idle.txt"

median() {  # field file
  grep -o "$1=[0-9.]*" "$2" | cut -d= -f2 | sort -n |
    awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
trainer_ms=$(median startup_ms "$out/trainer.txt")
bare_ms=$(median startup_ms "$out/bare.txt")
trainer_kib=$(median peak_rss_kib "$out/trainer.txt")
bare_kib=$(median peak_rss_kib "$out/bare.txt")
idle=$(grep -o 'idle_ticks=[0-9]*' "$out/idle.txt" | cut -d= -f2)

awk -v runs="$runs" -v tms="$trainer_ms" -v bms="$bare_ms" -v tk="$trainer_kib" \
  -v bk="$bare_kib" -v idle="$idle" 'BEGIN {
  ratio = tms / bms
  printf "medians of %d starts under Xvfb\n", runs
  printf "  start-up to first frame: trainer %.1f ms, bare window %.1f ms, ratio %.2f (target <= 1.20): %s\n",
    tms, bms, ratio, ratio <= 1.2 ? "ok" : "MISSED"
  printf "  peak RSS: trainer %.1f MiB, bare window %.1f MiB (target <= 35 MiB): %s\n",
    tk / 1024, bk / 1024, tk / 1024 <= 35 ? "ok" : "MISSED"
  printf "  idle trainer over 2 s: %d CPU ticks (target 0): %s\n", idle, idle == 0 ? "ok" : "MISSED"
}'
