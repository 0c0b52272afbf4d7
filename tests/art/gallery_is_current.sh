#!/bin/bash
# The README's gallery is the picture the art draws now: after an art change, build the
# art-gallery target and commit the picture.
# usage: gallery_is_current.sh BURROWLY_ART COMMITTED_PNG SCRATCH_PNG
set -euo pipefail
tool=$1 committed=$2 fresh=$3
"$tool" gallery "$fresh"
cmp "$committed" "$fresh" || { echo "the gallery is out of date: build the art-gallery target and commit it"; exit 1; }
echo "the gallery is current"
