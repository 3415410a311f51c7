#!/bin/sh
# Rebuilds the demo game folder's binary files from their readable sources:
# the maps, the default picture and the demo mission.
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
