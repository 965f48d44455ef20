#!/usr/bin/env bash
# orvalen-tool render-model: the game's drawing of a baked model, off screen, in player 1's blue.
source "$(dirname "$0")/lib.sh"

tool="$BUILD/orvalen-tool"
models="$BUILD/data/models"

# The number of pixels that are clearly the team colour: blue well above red and green.
blue_pixels() {
  convert "$1" txt:- | awk -F'[,:() ]+' 'NR > 1 && $5 > 120 && $5 > $3 + 80 && $5 > $4 + 80 { n++ } END { print n + 0 }'
}

"$tool" render-model "$models/marine.ktqm" "$SCRATCH/marine.png" || fail "the marine did not render"
[ "$(identify -format '%wx%h' "$SCRATCH/marine.png")" = "512x512" ] || fail "the picture is not 512 x 512"
[ "$(blue_pixels "$SCRATCH/marine.png")" -gt 500 ] || fail "the marine wears no team colour"

# An animation frame differs from the rest pose; the same frame twice is the same picture.
"$tool" render-model "$models/villager.ktqm" "$SCRATCH/rest.png" || fail "the worker did not render"
"$tool" render-model "$models/villager.ktqm" "$SCRATCH/run.png" --frame 225 || fail "the worker's frame did not render"
"$tool" render-model "$models/villager.ktqm" "$SCRATCH/again.png" --frame 225
[ "$(compare -metric AE "$SCRATCH/rest.png" "$SCRATCH/run.png" null: 2>&1)" -gt 100 ] ||
  fail "the running frame looks like the rest pose"
[ "$(compare -metric AE "$SCRATCH/run.png" "$SCRATCH/again.png" null: 2>&1)" -eq 0 ] ||
  fail "one frame drawn twice differs"

# A file that is not a model is refused with the game's message; bad arguments are a usage error.
echo "not a model" > "$SCRATCH/bad.ktqm"
message=$("$tool" render-model "$SCRATCH/bad.ktqm" "$SCRATCH/bad.png" 2>&1)
[ $? -eq 1 ] || fail "a bad model did not fail"
echo "$message" | grep -q "wasn't found or is corrupted!" || fail "no model message: $message"
[ ! -e "$SCRATCH/bad.png" ] || fail "a picture was written for a bad model"
"$tool" render-model "$models/marine.ktqm" 2>/dev/null
[ $? -eq 2 ] || fail "a missing argument is not a usage error"
"$tool" render-model "$models/marine.ktqm" "$SCRATCH/x.png" --frame soon 2>/dev/null
[ $? -eq 2 ] || fail "a bad frame time is not a usage error"
echo "render_model_test: passed"
