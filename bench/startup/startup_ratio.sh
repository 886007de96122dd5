#!/usr/bin/env bash
# How much longer the table takes than an empty Qt window, from process start to its window
# being mapped, on a private Xvfb; runs the two alternately and compares medians.
#   bench/startup/startup_ratio.sh [BUILD_DIR] [RUNS] [DISPLAY_NUMBER]
# BUILD_DIR defaults to build/release (build the targets vandolin, startup_probe and
# startup_empty_window there first).
#
# Both programs run on one private D-Bus session bus (dbus-run-session, package dbus-daemon),
# as on a desktop, which always has one. Without a bus a Qt window with any child widget first
# tries to start one for its accessibility bridge, before it is mapped (an empty window only
# after), which a desktop never pays. STARTUP_SESSION_BUS=none measures that way all the
# same; the script falls back to it, saying so, when dbus-run-session is missing.
set -euo pipefail
if [ "${STARTUP_SESSION_BUS:-private}" = private ] && [ -z "${STARTUP_BUS_STARTED:-}" ]; then
    if command -v dbus-run-session >/dev/null; then
        export STARTUP_BUS_STARTED=yes
        # The daemon's complaint that it may not raise its file limit is no concern here.
        exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
    fi
    echo "dbus-run-session not found (package dbus-daemon): measuring without a session bus" >&2
    STARTUP_SESSION_BUS=none
fi
build=${1:-build/release}
runs=${2:-31}
display=${3:-310}
probe=$build/bench/startup/startup_probe
empty=$build/bench/startup/startup_empty_window
game=$build/ui/app/vandolin
for f in "$probe" "$empty" "$game"; do
    [ -x "$f" ] || { echo "missing $f: build it first" >&2; exit 2; }
done

# -noreset: with no client left between two runs the server would reset, and Xvfb now and
# then dies doing so.
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
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
if [ "${STARTUP_SESSION_BUS:-private}" = none ]; then bus="none"; else bus="one private bus for both"; fi
echo "runs: $runs each, alternating; session bus: $bus"
echo "table:        $game_ms ms to map, $game_kb KiB resident"
echo "empty window: $empty_ms ms to map, $empty_kb KiB resident"
awk -v g="$game_ms" -v e="$empty_ms" -v gk="$game_kb" -v ek="$empty_kb" \
    'BEGIN {printf "ratio: %.2f x time, %.2f x memory\n", g / e, gk / ek}'
