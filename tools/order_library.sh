#!/bin/bash
# Renumbers one group of the library from easy to hard by the measured
# difficulty (polyshard-puzzle difficulty): renames the placement files,
# rewrites their "# <short> [NNN]: subject" line and re-makes the puzzles
# with their new names, numbered 001.. without gaps. Equal scores keep their
# old order.
# usage: tools/order_library.sh GROUP [path/to/polyshard-puzzle]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
group=${1:?usage: order_library.sh GROUP [path/to/polyshard-puzzle]}
tool=${2:-}
if [ -z "$tool" ]; then
  for t in "$root"/build*/tools/polyshard-puzzle; do
    [ -x "$t" ] && tool=$t && break
  done
fi
if [ -z "$tool" ] || [ ! -x "$tool" ]; then
  echo "order_library.sh: polyshard-puzzle not found; give its path" >&2
  exit 2
fi
figures="$root/data/Figures/$group"
puzzles="$root/data/Puzzles/$group"
[ -d "$figures" ] || { echo "order_library.sh: no group '$group'" >&2; exit 2; }

# Each puzzle is measured from its placement file, so the order never rests
# on a stale .pzk.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
names=()
for f in "$figures"/*.txt; do
  name=$(basename "$f" .txt)
  names+=("$name")
  "$tool" make --name "$name" --out "$work/${#names[@]}.pzk" "$f" >/dev/null
done
word=${names[0]%% \[*}

# "index score" lines, sorted by score and then by the old number.
order=$(for i in "${!names[@]}"; do
  n=$((i + 1))
  score=$("$tool" difficulty "$work/$n.pzk" | sed -n 's/.*: score \([0-9]*\),.*/\1/p')
  echo "$n $score"
done | sort -k2,2n -k1,1n)

# Move everything aside first, so that old and new names cannot collide.
mkdir "$work/new"
rank=0
while read -r n score; do
  rank=$((rank + 1))
  new=$(printf '%s [%03d]' "$word" "$rank")
  old=${names[$((n - 1))]}
  sed "1s/^# .*\[[0-9]*\]:/# $new:/" "$figures/$old.txt" >"$work/new/$new.txt"
  echo "$old -> $new (score $score)"
done <<<"$order"
for old in "${names[@]}"; do
  rm -f "$figures/$old.txt" "$puzzles/$old.pzk"
done
mkdir -p "$puzzles"
for f in "$work/new"/*.txt; do
  new=$(basename "$f" .txt)
  cp "$f" "$figures/$new.txt"
  "$tool" make --name "$new" --out "$puzzles/$new.pzk" "$figures/$new.txt" >/dev/null
done
