#!/bin/sh
# Writes the placement files under data/Figures from the design sheets here.
# The convex shapes come from shapes.py (slow; run it on its own).
# usage: tools/figures/make_figures.sh path/to/polyshard-puzzle
#
# Since the groups were renumbered by difficulty (tools/order_library.sh) and
# some figures were redrawn straight in their placement files, the placement
# files under data/Figures are the source of the library. The sheets here
# keep the first drawings under their first numbers: running this script
# would bring those back, so use it only for a group that is drawn afresh.
set -eu
cd "$(dirname "$0")"
tool=$1
for g in "People" "Animals" "Birds" "Boats and vehicles" "Buildings and objects" "Letters" "Numbers" \
  "Sports and games" "Plants"; do
  rm -f "../../data/Figures/$g"/*.txt
done
# Geometric shapes and Signs and symbols are not written here: their placement files are
# their source (shapes_blocks.txt and signs_blocks.txt keep the drawings for reference).
python3 design.py people.txt People --write
python3 design.py animals.txt Animals --write
python3 sheet.py birds.txt Birds --write
python3 design.py boats.txt "Boats and vehicles" --write
python3 blocks.py animals_blocks.txt Animals "$tool" --write
python3 blocks.py boats_blocks.txt "Boats and vehicles" "$tool" --write
python3 blocks.py buildings.txt "Buildings and objects" "$tool" --write
python3 design.py buildings_drawn.txt "Buildings and objects" --write
python3 blocks.py letters.txt Letters "$tool" --write
python3 blocks.py numbers.txt Numbers "$tool" --write
python3 design.py numbers_drawn.txt Numbers --write
python3 design.py sports.txt "Sports and games" --write
python3 sheet.py plants.txt Plants --write
python3 blocks.py plants_blocks.txt Plants "$tool" --write
