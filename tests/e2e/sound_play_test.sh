#!/usr/bin/env bash
# What the player hears, played by mouse: the game records through OpenAL Soft's wave writer in
# mono at the sounds' own rate, so a sound played once lands in the recording as its own samples
# times one gain. Each step cuts the stretch of recording around one input and matches it with
# the baked sounds: a click on a panel button, a Worker's select response, and one acknowledgement
# for a move order to a group of two Workers. On the way the panel shows what is selected. Then the
# menu's Audio page, by mouse: the sound volume at half makes the button's click half as loud, and
# without Unit Responses a Worker selected says nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game sound
read -r baseX baseY < <(probe_where 85 75 6)   # player 1's base centre
read -r doorX doorY < <(probe_where 85 78 2)   # where its trained Workers step out
read -r westX westY < <(probe_where 81 86 0)   # bare ground below the base centre
read -r eastX eastY < <(probe_where 89 86 0)
read -r leftX topY < <(probe_where 78 83 0)    # a rectangle around both places, clear of the base
read -r rightX bottomY < <(probe_where 92 89 0)
read -r farX farY < <(probe_where 85 93 0)
probe_panel 400 100 "$SCRATCH/bare.ppm" # no selection, 100 metal less for two Workers

rate=22050
recording="$GAME/recording.wav"
printf '[general]\ndrivers = wave\nchannels = mono\nfrequency = %s\nsample-type = int16\ndither = false\n[wave]\nfile = %s\n' \
  "$rate" "$recording" > "$GAME/alsoft.conf"
export ALSOFT_CONF="$GAME/alsoft.conf"
start_playing

header=68 # RIFF, WAVE, the 40-byte extensible format and the data chunk header; sizes come on close
sounds="$BUILD/data/sounds"
# The recorded bytes so far, whole samples only.
recorded() {
  local size
  size=$(stat -c %s "$recording" 2>/dev/null || echo "$header")
  echo $(((size - header) / 2 * 2))
}
recorded_reaches() { [ "$(recorded)" -ge "$1" ]; }
# wait_recorded SECONDS: the recording grows by that much more sound.
wait_recorded() { wait_for "$1 s more recording" 60 recorded_reaches $(($(recorded) + $1 * rate * 2)); }
# samples FROM TO: the recording's samples between two byte counts, one a line.
samples() { tail -c +$((header + $1 + 1)) "$recording" | head -c $(($2 - $1)) | od -An -v -td2 -w2; }
silent_between() { [ "$(samples "$1" "$2" | awk '$1 != 0' | wc -l)" -eq 0 ]; }

# heard FROM TO FILE...: the file whose samples, scaled and placed where the sound begins, leave
# the least of the stretch unexplained; prints its name, the unexplained share of the energy and
# the gain it was heard at.
# Two overlapping sounds, or one played twice in a row, leave much of it.
heard() {
  local from=$1 to=$2 file
  shift 2
  samples "$from" "$to" > "$SCRATCH/heard.txt"
  for file in "$@"; do
    sox "$file" -t raw -e signed -b 16 - | od -An -v -td2 -w2 |
      awk -v name="$(basename "$file" .wav)" -f "$(dirname "$0")/match_sound.awk" - "$SCRATCH/heard.txt"
  done | sort -g -k2 | head -n1
}
# expect_heard WHAT FROM TO FILE...: exactly one of the files was heard, alone, in the stretch; its
# gain is left in HEARD_GAIN.
expect_heard() {
  local what=$1 name share
  shift
  read -r name share HEARD_GAIN < <(heard "$@")
  awk -v share="$share" 'BEGIN { exit !(share < 0.01) }' || fail "$what: no single sound matches (best $name, $share unexplained)"
  echo "$what: $name ($share unexplained, gain $HEARD_GAIN)"
}

wait_recorded 1
start=$(recorded)
click "$baseX" "$baseY"
wait_recorded 1
silent_between 0 "$(recorded)" || fail "the recording is not silent before any sound, with the base centre selected"

# Two Workers ordered with the panel's button: each press clicks.
before=$(recorded)
click 34 "$(up_y 114)"
wait_recorded 1
expect_heard "the worker button" "$before" "$(recorded)" "$sounds/menu/gui_click.wav"
full_volume=$HEARD_GAIN
wait_for "the Worker queued" 30 log_has "$GAME" "added to construction queue"
click 34 "$(up_y 114)"
built() { [ "$(count_lines " constructed: ")" -ge 2 ]; }
wait_for "two Workers trained" 60 built
# A right click on the ground leaves the base centre and takes its training button away.
right_click "$westX" "$westY"
screenshot "$SCRATCH/right_click.png"
[ "$(panel_differs "$SCRATCH/right_click.png" "$SCRATCH/bare.ppm" "$(region 10 90 58 138)")" -lt 100 ] ||
  fail "a right click left the training button shown"

# Selecting a Worker by a click: silence before, its select response after.
worker_selects=("$sounds/unit_responses/worker_select1.wav" "$sounds/unit_responses/worker_select2.wav")
before=$(recorded)
wait_recorded 1
clicked=$(recorded)
silent_between "$before" "$clicked" || fail "the recording is not silent before a Worker is selected"
click "$doorX" "$doorY"
wait_recorded 2
expect_heard "selecting a Worker" "$clicked" "$(recorded)" "${worker_selects[@]}"

# The Workers stand on one spot; send them apart one at a time.
right_click "$westX" "$westY"
wait_recorded 2
click "$doorX" "$doorY"
right_click "$eastX" "$eastY"
wait_recorded 2

# Both selected by a drag, then sent on together: one acknowledgement for the group.
drag "$leftX" "$topY" "$rightX" "$bottomY"
screenshot "$SCRATCH/group.png"
for thumbnail in "$(region 266 68 298 100)" "$(region 301 68 333 100)"; do
  [ "$(panel_differs "$SCRATCH/group.png" "$SCRATCH/bare.ppm" "$thumbnail")" -gt 100 ] ||
    fail "the drag did not select both Workers"
done
# Several objects show neither the single read-out nor a training button.
for single in "$(region 262 8 450 64)" "$(region 10 90 58 138)"; do
  [ "$(panel_differs "$SCRATCH/group.png" "$SCRATCH/bare.ppm" "$single")" -lt 100 ] ||
    fail "a selection of two Workers shows what a single object would"
done
wait_recorded 2
before=$(recorded)
right_click "$farX" "$farY"
wait_recorded 2
expect_heard "a move order to two Workers" "$before" "$(recorded)" \
  "$sounds/unit_responses/worker_move1.wav" "$sounds/unit_responses/worker_move2.wav"

# Escape, Options, Audio: the Sound volume knob dragged from the end of its track to the middle
# (100 % to 50 %), and Unit Responses ticked off.
options="$XDG_CONFIG_HOME/orvalen/options.conf"
press_key Escape
wait_frames 5
click 100 $((44 + 108 * 2))      # Options
wait_frames 60
click $((W - 130)) $((44 + 108)) # Audio
wait_frames 60
drag 408 112 353 112             # the knob of "Sound volume:"
click 305 215                    # "Unit Responses"
audio_written() { grep -qx "sound_volume = 50" "$options" && grep -qx "unit_responses = false" "$options"; }
wait_for "the audio options in the options file" 30 audio_written
press_key Escape
# The far move order left the cursor at the window's bottom edge, which has scrolled the view since.
move_to $((W / 2)) $((H / 2))
press_key Home
click "$baseX" "$baseY"
wait_recorded 1
before=$(recorded)
click 34 "$(up_y 114)"
wait_recorded 1
expect_heard "the worker button at half volume" "$before" "$(recorded)" "$sounds/menu/gui_click.wav"
awk -v half="$HEARD_GAIN" -v full="$full_volume" 'BEGIN { exit !(half > 0.45 * full && half < 0.55 * full) }' ||
  fail "at half volume the click was heard at gain $HEARD_GAIN, against $full_volume at full volume"
third() { [ "$(count_lines " constructed: ")" -ge 3 ]; }
wait_for "a third Worker trained" 60 third
wait_recorded 2
clicked=$(recorded)
click "$doorX" "$doorY"
wait_recorded 2
silent_between "$clicked" "$(recorded)" || fail "without Unit Responses a Worker selected still answered"
echo "sound_play_test: 5 passed, 0 failed"
