#!/usr/bin/env bash
# Checks that includes run one way between the parts, lowest first:
#   text, platform, assets, config, render, engine, cli, shell (shell/ and app/)
# A part includes only itself and parts below it; art/ uses text, assets and render;
# tools/ anything but shell. Only shell/**/win32/, app/ and *_win32.cpp include
# <windows.h>. Every offending include is printed as file:line.
# Usage: layering.sh SOURCE-DIR
set -u
cd "$1" || exit 2

rank() {
  case $1 in
    text) echo 0 ;; platform) echo 1 ;; assets) echo 2 ;; config) echo 3 ;;
    render) echo 4 ;; engine) echo 5 ;; cli) echo 6 ;; shell | app) echo 7 ;;
    *) echo "" ;;
  esac
}

# "file:line:part" for every #include "part/..." that names a part of src/.
project_includes() {
  grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z_]+/' "$@" |
    sed -E 's/^([^:]+):([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]+"([a-z_]+)\/.*/\1:\2:\3/'
}

violations=0
report() { echo "$1: $2"; violations=$((violations + 1)); }

while IFS=: read -r file line target; do
  target_rank=$(rank "$target")
  [ -n "$target_rank" ] || continue
  case $file in
    src/*/*)
      part=${file#src/}; part=${part%%/*}
      part_rank=$(rank "$part")
      [ -n "$part_rank" ] || { report "$file:$line" "file outside the parts"; continue; }
      [ "$target_rank" -le "$part_rank" ] || report "$file:$line" "$part includes $target, a part above it"
      ;;
    art/*)
      case $target in text | assets | render) ;; *) report "$file:$line" "art includes $target" ;; esac
      ;;
    tools/*)
      case $target in shell | app) report "$file:$line" "a tool includes $target" ;; esac
      ;;
  esac
done < <(project_includes src art tools)

while IFS=: read -r file line _; do
  case $file in
    src/shell/*/win32/* | src/shell/win32/* | src/app/* | *_win32.cpp) ;;
    *) report "$file:$line" "only the Windows shell and *_win32.cpp files include <windows.h>" ;;
  esac
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<windows\.h>' src art tools)

if [ "$violations" -ne 0 ]; then
  echo "$violations include(s) against the layering"
  exit 1
fi
echo "layering: every include runs downwards"
