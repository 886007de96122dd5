#!/usr/bin/env bash
# Time from a fresh clone to the table on the screen, as a new player meets it:
# clone, `scripts/setup.sh play`, stop the clock when the table's window is mapped.
# The compiler cache is off so the figure is what a machine without one pays.
#   bench/scripts/first_game.sh [git-ref] [display-number]
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
ref=${1:-HEAD}
display=${2:-300}

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill -- -"$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1

start=$(date +%s.%N)
git clone -q "$repo" "$work/vandolin"
git -C "$work/vandolin" checkout -q "$ref"
(
    cd "$work/vandolin"
    export DISPLAY=":$display" CCACHE_DISABLE=1
    exec setsid scripts/setup.sh play >"$work/play.log" 2>&1
) &
game_pid=$!
DISPLAY=":$display" xdotool search --sync --onlyvisible --name '^Vandolin' >/dev/null
end=$(date +%s.%N)
echo "ref $(git -C "$work/vandolin" rev-parse --short HEAD): table on screen after $(echo "$end - $start" | bc) s"
