#!/usr/bin/env bash
# baked_files_load.sh TOOL DATA: runs `TOOL info` on every map, model, sound and image in DATA and
# fails, naming the file and the tool's words, when any of them does not load.
set -u
tool=$1
data=$2
checked=0
failed=0
while IFS= read -r -d '' file; do
  if ! output=$("$tool" info "$file" 2>&1); then
    echo "does not load: $file"
    echo "$output"
    failed=$((failed + 1))
  fi
  checked=$((checked + 1))
done < <(find "$data" -type f \( -name '*.ktqw' -o -name '*.ktqm' -o -name '*.wav' -o -name '*.png' \
  -o -name '*.bmp' -o -name '*.jpg' \) -print0 | sort -z)
echo "$checked files checked, $failed do not load"
[ "$checked" -ge 60 ] && [ "$failed" -eq 0 ]
