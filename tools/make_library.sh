#!/bin/sh
# Regenerates every puzzle of the library from its placement file:
#   data/Figures/<Group>/<name>.txt  ->  data/Puzzles/<Group>/<name>.pzk
# usage: tools/make_library.sh [path/to/polyshard-puzzle]
# With no argument the tool is looked for in build*/tools/ of the source tree.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-}
if [ -z "$tool" ]; then
  for t in "$root"/build*/tools/polyshard-puzzle; do
    [ -x "$t" ] && tool=$t && break
  done
fi
if [ -z "$tool" ] || [ ! -x "$tool" ]; then
  echo "make_library.sh: polyshard-puzzle not found; give its path" >&2
  exit 2
fi
count=0
for figure in "$root"/data/Figures/*/*.txt; do
  group=$(basename "$(dirname "$figure")")
  name=$(basename "$figure" .txt)
  mkdir -p "$root/data/Puzzles/$group"
  "$tool" make --name "$name" --out "$root/data/Puzzles/$group/$name.pzk" "$figure" >/dev/null
  count=$((count + 1))
done
echo "made $count puzzles"
