#!/usr/bin/env bash
# How much longer the table takes than an empty Qt window, from process start to its window
# being mapped, on a private Xvfb; runs the two alternately and compares medians.
#   bench/startup/startup_ratio.sh [BUILD_DIR] [RUNS] [DISPLAY_NUMBER]
# BUILD_DIR defaults to build/release (build the targets vandolin, startup_probe and
# startup_empty_window there first).
set -euo pipefail
build=${1:-build/release}
runs=${2:-31}
display=${3:-310}
probe=$build/bench/startup/startup_probe
empty=$build/bench/startup/startup_empty_window
game=$build/ui/app/vandolin
for f in "$probe" "$empty" "$game"; do
    [ -x "$f" ] || { echo "missing $f: build it first" >&2; exit 2; }
done

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
stop_xvfb() { kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; }
trap stop_xvfb EXIT
export DISPLAY=":$display"
# Both programs get the same private runtime folder, so neither warns nor differs over it.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
ready=no
for _ in $(seq 100); do
    if xdpyinfo >/dev/null 2>&1; then ready=yes; break; fi
    sleep 0.1
done
[ "$ready" = yes ] && kill -0 "$xvfb" 2>/dev/null ||
    { echo "no X server on :$display (taken?); pass another number" >&2; exit 2; }

game_out=$(mktemp)
empty_out=$(mktemp)
trap 'stop_xvfb; rm -rf "$game_out" "$empty_out" "$XDG_RUNTIME_DIR"' EXIT
# One unmeasured run of each fills the page cache.
"$probe" "$game" >/dev/null
"$probe" "$empty" >/dev/null
for _ in $(seq "$runs"); do
    "$probe" "$game" >>"$game_out"
    "$probe" "$empty" >>"$empty_out"
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
game_ms=$(cut -d' ' -f1 "$game_out" | median)
empty_ms=$(cut -d' ' -f1 "$empty_out" | median)
game_kb=$(cut -d' ' -f2 "$game_out" | median)
empty_kb=$(cut -d' ' -f2 "$empty_out" | median)
echo "runs: $runs each, alternating"
echo "table:        $game_ms ms to map, $game_kb KiB resident"
echo "empty window: $empty_ms ms to map, $empty_kb KiB resident"
awk -v g="$game_ms" -v e="$empty_ms" -v gk="$game_kb" -v ek="$empty_kb" \
    'BEGIN {printf "ratio: %.2f x time, %.2f x memory\n", g / e, gk / ek}'
