#!/usr/bin/env bash
# same_bytes.sh WINE LINUX_CLI WINDOWS_CLI DEMO_GAME SCRATCH RANDOM_MISSIONS
# The Windows sced-cli under Wine and the Linux one, each on its own copy of
# the demo game folder with a few random missions added (by the Linux
# RANDOM_MISSIONS maker), print the same tree, listing, check and dump and
# save the same bytes. Exit 77 (skipped) when the Linux programs are missing.
set -euo pipefail
wine=$1 linux=$2 windows=$3 demo=$4 scratch=$5 make_random=$6
randoms=(Random1 Random2 Random3)
for program in "$linux" "$make_random"; do
  [ -x "$program" ] || { echo "no Linux program at $program"; exit 77; }
done
linux=$(realpath "$linux") windows=$(realpath "$windows") demo=$(realpath "$demo")
mkdir -p "$scratch"
scratch=$(realpath "$scratch")
rm -rf "$scratch"
mkdir -p "$scratch/out-linux" "$scratch/out-windows"
cp -r "$demo" "$scratch/game"
"$make_random" "$scratch/game" "${#randoms[@]}"
cp -r "$scratch/game" "$scratch/linux"
mv "$scratch/game" "$scratch/windows"
windows_path() { echo "Z:${1//\//\\}"; }

# Each command on both, its output and its status the same; the files it
# writes go to "out-linux" and "out-windows".
same() {
  local name=$1
  shift
  local status_l=0 status_w=0
  (cd "$scratch/out-linux" && "$linux" -C "$scratch/linux" "$@" > "$name.txt" 2> "$name.err") || status_l=$?
  (cd "$scratch/out-windows" && "$wine" "$windows" -C "$(windows_path "$scratch/windows")" "$@" \
      > "$name.txt" 2> "$name.err") || status_w=$?
  # The paths of the files saved, below each game folder, alike.
  sed -i "s#^$scratch/linux/#GAME/#" "$scratch/out-linux/$name.txt"
  sed -i '/^Z:/ s#\\#/#g; s#^Z:'"$scratch"'/windows/#GAME/#' "$scratch/out-windows/$name.txt"
  if [ "$status_l" != "$status_w" ] || ! cmp -s "$scratch/out-linux/$name.txt" "$scratch/out-windows/$name.txt"; then
    echo "sced-cli $* differs between Linux (status $status_l) and Windows (status $status_w):"
    diff "$scratch/out-linux/$name.txt" "$scratch/out-windows/$name.txt" | head -20 || true
    exit 1
  fi
}

same functions functions
same lists lists
same groups groups Valley
same tree tree Valley
same listing listing Valley
same listing-file listing Valley listing.txt
same check check Valley
same find find Valley ford
same uses uses Valley "Old Mill"
same dump dump-export Valley names.dmp
same resave resave --force Valley
same new new --force 'Maps\Harbour.m3d'
for mission in "${randoms[@]}"; do
  same "tree-$mission" tree "$mission"
  same "listing-$mission" listing "$mission" "$mission.txt"
  same "check-$mission" check "$mission"
  same "dump-$mission" dump-export "$mission" "$mission.dmp"
  same "resave-$mission" resave --force "$mission"
done
# Every file the commands wrote, byte for byte.
for folder in UserMissions Maps; do
  if ! diff -r "$scratch/linux/$folder" "$scratch/windows/$folder" > /dev/null; then
    echo "the saved files differ between Linux and Windows:"
    diff -r "$scratch/linux/$folder" "$scratch/windows/$folder" | head -20 || true
    exit 1
  fi
done
for file in listing.txt names.dmp "${randoms[@]/%/.txt}" "${randoms[@]/%/.dmp}"; do
  cmp "$scratch/out-linux/$file" "$scratch/out-windows/$file" || exit 1
done
echo "the same bytes on Linux and Windows"
