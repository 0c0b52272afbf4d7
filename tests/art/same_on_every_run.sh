#!/bin/bash
# Generates the art set again and compares it byte for byte with the set the build embeds.
# usage: same_on_every_run.sh BURROWLY_ART BUILT_ART_DIR
set -euo pipefail
tool=$1 built=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
"$tool" generate "$fresh"
count=0
for file in "$built"/*; do
  name=$(basename "$file")
  [ "$name" = art_blobs.S ] && continue   # names the folder it was written to
  cmp "$file" "$fresh/$name"
  count=$((count + 1))
done
[ "$count" -eq "$(($(ls "$fresh" | wc -l) - 1))" ] || { echo "the sets differ in their files"; exit 1; }
[ "$count" -gt 100 ] || { echo "only $count files generated"; exit 1; }
echo "$count files identical"
