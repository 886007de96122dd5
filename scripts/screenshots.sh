#!/usr/bin/env bash
# Makes the README's screenshots from the real game in a private virtual X server:
#   docs/screenshots/table.png    the table in the middle of a round (dealt, two cards marked)
#   docs/screenshots/trainer.png  the trainer's strip after a hint
#   scripts/screenshots.sh [PATH/TO/vandolin]     (default: the release build's, built first)
# Needs xvfb, xdotool and imagemagick (all in setup.sh's package list).
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-}
if [ -z "$game" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target vandolin
    game=build/release/ui/app/vandolin
fi
out=docs/screenshots
mkdir -p "$out"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp &
xvfb=$!
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
# The trainer keeps a log and settings: here they go to a folder thrown away afterwards.
scratch=$(mktemp -d)
trap 'cleanup; rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Starts the game, waits for its window, sends keys to it, and keeps the window's picture.
# SETTLE: seconds to wait before the keys (the trainer derives its chart at start).
shoot() {
    local file=$1 keys=$2
    shift 2
    ASAN_OPTIONS=detect_leaks=0 "$game" "$@" &
    game_pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --name '^Vandolin' | head -1)
    # Until the game has built its table it drops keys; give it a moment, then the focus.
    sleep "${SETTLE:-2}"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    for key in $keys; do
        xdotool key --window "$window" "$key"
        sleep 0.4
    done
    sleep 0.5
    import -window "$window" "$file.tmp.png"
    # Stripped of the time stamps ImageMagick writes, so an unchanged picture stays unchanged.
    convert "$file.tmp.png" -strip -define png:exclude-chunks=date,time "$file"
    rm -f "$file.tmp.png"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
}

# Dealt, with the first and third cards marked to change.
shoot "$out/table.png" "space 1 3"
# In the trainer, dealt and a hint asked for.
SETTLE=8 shoot "$out/trainer.png" "space h" --trainer
echo "wrote $out/table.png and $out/trainer.png"
