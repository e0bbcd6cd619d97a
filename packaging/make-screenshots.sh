#!/usr/bin/env bash
# Takes the screenshots of the AppStream metainfo from the running game under
# a private X server: a puzzle with a piece carried over its silhouette, and
# the New game dialog. Writes packaging/screenshots/playing.png and
# new-game.png.
#
# Usage: packaging/make-screenshots.sh <build folder> [display number]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "$1" && pwd)
display=:${2:-77}
out=$root/packaging/screenshots
work=$(mktemp -d /tmp/polyshard-shots.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A game folder whose settings open a library puzzle in a window that fills
# the 1280 x 800 screen (without a window manager there is no frame).
mkdir -p "$work/game"
printf '%s\r\n' "[LAST]" "FILE = animals [009]" "FOLDER = Animals" "" \
  "[WINDOW]" "LEFT = 0" "TOP = 0" "RIGHT = 1280" "BOTTOM = 800" >"$work/game/Polyshard.ini"
QT_QPA_PLATFORM=xcb POLYSHARD_GAME_DIR="$work/game" POLYSHARD_DATA="$root/data" \
  POLYSHARD_BIN="$build/polyshard" bash scripts/polyshard-launch >/dev/null 2>&1 &
game=$!
pids+=("$game")
wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$game" --name Polyshard | head -n 1)
sleep 2

shot() { /usr/bin/import -window root "$work/shot.png" && /usr/bin/convert "$work/shot.png" -strip "$out/$1"; }
# Three hints lay three pieces; the keys take the parallelogram and carry it
# over the field (the keyboard needs no pixel positions of the layout).
xdotool mousemove --window "$wid" 20 780 click 1
sleep 0.3
xdotool key --window "$wid" --delay 400 ctrl+h ctrl+h ctrl+h
sleep 0.5
xdotool key --window "$wid" 7
xdotool key --window "$wid" --delay 50 shift+Right shift+Right shift+Right shift+Right shift+Down
sleep 1
shot playing.png
# Home again, then Game > New.
xdotool key --window "$wid" Escape
sleep 0.5
xdotool key --window "$wid" ctrl+n
sleep 2
shot new-game.png
ls -l "$out"
