#!/usr/bin/env bash
# Builds Polyshard (Release, into build/) and starts it in the player's game
# folder ${XDG_DATA_HOME:-$HOME/.local/share}/polyshard (see
# scripts/polyshard-launch). Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ "$(id -u)" = 0 ]; then
  bash scripts/install-deps.sh
elif command -v sudo >/dev/null; then
  sudo bash scripts/install-deps.sh
else
  bash scripts/install-deps.sh || echo "run-game: could not install the build dependencies" >&2
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPOLYSHARD_GUI=ON "${launcher[@]}" >/dev/null
cmake --build "$root/build" --target polyshard -j "${POLYSHARD_JOBS:-2}"

POLYSHARD_DATA="$root/data" POLYSHARD_BIN="$root/build/polyshard" \
  exec bash "$root/scripts/polyshard-launch" "$@"
