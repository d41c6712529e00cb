#!/usr/bin/env bash
# Fails when two folders of the program include each other, directly or around a circle: the
# layers and the window folders must form a tree of uses (docs/architecture.md). Every quoted
# include is resolved to the folder that holds the header; system and Qt headers are skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

folders=$(find core session cli app assets ui -name '*.h' -printf '%h\n' | sort -u)
declare -A home # header file name -> its folder, for includes without a folder
for folder in $folders; do
  for header in "$folder"/*.h; do
    home[$(basename "$header")]=$folder
  done
done

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS= read -r file; do
  from=$(dirname "$file")
  while IFS= read -r included; do
    to=""
    if [[ $included == */* ]]; then
      for root in core ui .; do
        if [[ -f $root/$included ]]; then
          to=$(dirname "$root/$included")
          to=${to#./}
          break
        fi
      done
    elif [[ -f $from/$included ]]; then
      to=$from
    else
      to=${home[$included]:-}
    fi
    if [[ -n $to && $to != "$from" ]]; then
      echo "$from $to" >>"$edges"
    fi
  done < <(sed -n 's/^#include "\(.*\)".*/\1/p' "$file")
done < <(find core session cli app assets ui -name '*.cpp' -o -name '*.h')

if ! sort -u "$edges" | tsort >/dev/null; then
  echo "check-includes: the folders above include each other in a circle" >&2
  exit 1
fi
echo "check-includes: $(sort -u "$edges" | wc -l) uses between folders, no circle"
