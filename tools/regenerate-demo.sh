#!/bin/sh
# Rebuilds the demo game folder's binary files from their readable sources:
# the maps, the default picture, the demo mission, and the briefing
# pictures with their palettes.
#   regenerate-demo.sh BUILD_DIR      (a build folder with the tools built)
set -eu
if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
tools=$1/tools
top=$(cd "$(dirname "$0")/.." && pwd)
game=$top/demo/game
mkdir -p "$game/Maps"
for source in "$top"/demo/maps/*.txt; do
  name=$(basename "$source" .txt)
  "$tools/make_demo_map" "$source" "$game/Maps/$name.m3d"
  echo "demo/game/Maps/$name.m3d"
done
"$tools/make_demo_bitmap" "$top/demo/pictures/ScEd_default.txt" "$game/Data/ScEd_default.bmp"
echo "demo/game/Data/ScEd_default.bmp"
rm -rf "$game/UserMissions/Valley" "$game/UserMissions/Valley.add"
"$tools/make_demo_mission" "$game"
pictures=$game/Missions/Pictures
mkdir -p "$pictures"
for source in "$top"/demo/briefing/*.txt; do
  name=$(basename "$source" .txt)
  "$tools/make_demo_pictures" picture "$source" "$pictures/$name.gp"
  echo "demo/game/Missions/Pictures/$name.gp"
done
for source in "$top"/demo/palettes/*.txt; do
  number=$(basename "$source" .txt)
  mkdir -p "$top/demo/wine/drive_c/Zendarch/$number"
  "$tools/make_demo_pictures" palette "$source" "$top/demo/wine/drive_c/Zendarch/$number/kvew_1.pal"
  echo "demo/wine/drive_c/Zendarch/$number/kvew_1.pal"
done
