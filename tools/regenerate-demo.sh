#!/bin/sh
# Rebuilds the demo maps from their sources: regenerate-demo.sh PATH/TO/make_demo_map
set -eu
if [ $# -ne 1 ]; then
  echo "usage: $0 PATH/TO/make_demo_map" >&2
  exit 2
fi
generator=$1
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$top/demo/game/Maps"
for source in "$top"/demo/maps/*.txt; do
  name=$(basename "$source" .txt)
  "$generator" "$source" "$top/demo/game/Maps/$name.m3d"
  echo "demo/game/Maps/$name.m3d"
done
