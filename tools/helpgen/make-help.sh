#!/usr/bin/env bash
# Re-makes the help: the pages from their one source, and the pictures of
# the board with the game's own painter. Needs a build of polyshard-helpshots
# in BUILD (default: build).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
python3 tools/helpgen/helpgen.py tools/helpgen/help-source.html data/Help
"$build/tools/polyshard-helpshots" "data/Puzzles/People/people [006].pzk" data/Help/images
