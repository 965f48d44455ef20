# Helpers for tests that play the game by mouse, sourced after lib.sh. Mouse positions are window
# pixels with the origin at the top left (as X has them); the game's own window pixels count y
# upward from the bottom, so up_y turns one into the other.

PROBE="$BUILD/orvalen-e2e-probe"

# new_game NAME: a game folder in GAME; the probes below run there, before the game starts (their
# window would cover the game's).
new_game() { GAME=$(make_game_folder "$1"); }

# start_playing [ARGUMENTS...]: the game running in GAME with its window known (WIN, W, H).
start_playing() {
  start_game "$GAME" "$@"
  wait_for "the game window" 60 window_named "Orvalen v1.0"
  WIN=$(window_named "Orvalen v1.0")
  wait_for "LOOP lines" 60 log_has "$GAME" "^LOOP ("
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  W=$WIDTH
  H=$HEIGHT
  scene_bottom=$((H - 192)) # the panel's rows below
}

# window_size: the game window's size as WIDTHxHEIGHT; size_is SIZE: it is that size now.
window_size() { eval "$(xdotool getwindowgeometry --shell "$WIN")"; echo "${WIDTH}x${HEIGHT}"; }
size_is() { [ "$(window_size)" = "$1" ]; }

# probe_where X Z RISE: the window pixel of a point above a grid position in the start view.
probe_where() { (cd "$GAME" && "$PROBE" where "$@"); }
# probe_panel METAL OIL FILE: the panel as the game draws it for these resources.
probe_panel() { (cd "$GAME" && "$PROBE" panel "$@"); }

up_y() { echo $((H - 1 - $1)); }

loop_count() { grep -c '^LOOP (' "$GAME/log.log"; }
loops_reach() { [ "$(loop_count)" -ge "$1" ]; }
# wait_frames N: N more passes of the main loop, so every frame in between has seen the input.
wait_frames() { wait_for "$1 frames" 60 loops_reach $(($(loop_count) + $1)); }
# The game clock of the last pass.
game_time() { grep '^LOOP (' "$GAME/log.log" | tail -n1 | sed 's/^LOOP (\([0-9]*\)).*/\1/'; }
game_time_reaches() { [ "$(game_time)" -ge "$1" ]; }
count_lines() { grep -c -- "$1" "$GAME/log.log"; }
# recorded_count PATTERN: the lines of the game's recording that match; recorded_more PATTERN COUNT:
# more of them than COUNT.
recorded_count() { cat "$GAME"/replays/*.replay 2>/dev/null | grep -c -- "$1"; }
recorded_more() { [ "$(recorded_count "$1")" -gt "$2" ]; }

# Frames each mouse step is held for; the menu's widgets want one more to settle.
STEP_FRAMES=${STEP_FRAMES:-2}
move_to() {
  xdotool mousemove --window "$WIN" "$1" "$2"
  wait_frames "$STEP_FRAMES"
}
# click X Y [BUTTON]: press and release where the frames see both.
click() {
  move_to "$1" "$2"
  xdotool mousedown "${3:-1}"
  wait_frames "$STEP_FRAMES"
  xdotool mouseup "${3:-1}"
  wait_frames "$STEP_FRAMES"
}
right_click() { click "$1" "$2" 3; }
# instant_click X Y [BUTTON]: the move, the press and the release at once, as a quick player does;
# the game may see all three in one pass.
instant_click() {
  xdotool mousemove --window "$WIN" "$1" "$2" click "${3:-1}"
  wait_frames 3
}
# flung_click X Y TO_X TO_Y: a left click, the cursor flung on at once, before a frame reads either.
flung_click() { xdotool mousemove --window "$WIN" "$1" "$2" mousedown 1 mouseup 1 mousemove --window "$WIN" "$3" "$4"; }
# drag X1 Y1 X2 Y2: the left button held from one point to the other.
drag() {
  move_to "$1" "$2"
  xdotool mousedown 1
  wait_frames 2
  move_to $((($1 + $3) / 2)) $((($2 + $4) / 2))
  move_to "$3" "$4"
  xdotool mouseup 1
  wait_frames 2
}

# screenshot FILE: the game window as the screen shows it, once the frames have drawn what the last
# input did.
screenshot() {
  wait_frames 2
  import -window "$WIN" "$1"
}

# panel_differs SHOT EXPECTED GEOMETRY: how many pixels of the region differ between a screenshot
# and the probe's picture of the panel, leaving out the probe's magenta (the scene shows there).
panel_differs() {
  convert "$2" -crop "$3" +repage "$SCRATCH/expected.png"
  convert "$SCRATCH/expected.png" -fill white +opaque '#FF00FF' -fill black -opaque '#FF00FF' "$SCRATCH/mask.png"
  convert "$1" -crop "$3" +repage "$SCRATCH/expected.png" +swap "$SCRATCH/mask.png" -composite "$SCRATCH/seen.png"
  differing "$SCRATCH/seen.png" "$SCRATCH/expected.png"
}

# differing A B [GEOMETRY] [FUZZ]: how many pixels differ between two pictures (within a region),
# colours closer than FUZZ (3 % by default) counting as the same.
differing() {
  local region=${3:+[$3]}
  compare -metric AE -fuzz "${4:-3%}" "$1$region" "$2$region" null: 2>&1 | awk '{ print int($1) }'
}

# region LEFT BOTTOM RIGHT TOP: an ImageMagick geometry for a rectangle in the game's own window
# pixels (y up, right and top exclusive).
region() { echo "$(($3 - $1))x$(($4 - $2))+$1+$((H - $4))"; }

# hold_key KEY FRAMES: the key held down for that many frames of the game, then released.
hold_key() {
  xdotool keydown "$1"
  wait_frames "$2"
  xdotool keyup "$1"
  wait_frames 2
}
# press_key KEY: held for frames that see it down, then released.
press_key() { hold_key "$1" 2; }

# look_around YAW PITCH: with U's mouse-look, one step of the mouse from the window's centre turns
# the view by YAW degrees to the left and PITCH degrees up (a tenth of a degree per pixel); U again
# ends mouse-look. probe_where takes the same two angles.
look_around() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  local centreX=$((X + WIDTH / 2)) centreY=$((Y + HEIGHT / 2))
  xdotool mousemove "$centreX" "$centreY"
  wait_frames 2
  press_key u
  xdotool mousemove $((centreX - $1 * 10)) $((centreY - $2 * 10))
  wait_frames 3
  press_key u
}

# The view the game last came to rest in, from its log: "EX EY EZ CX CY CZ" (eye, then center).
camera_pose() {
  grep '^CAMERA eye' "$GAME/log.log" | tail -n1 | tr -d '(),' | awk '{ print $3, $4, $5, $7, $8, $9 }'
}
camera_count() { grep -c '^CAMERA eye' "$GAME/log.log"; }
camera_count_reaches() { [ "$(camera_count)" -ge "$1" ]; }
# camera_after COMMAND...: runs the input and waits until the view has come to rest after it (input
# spread over several frames may rest in between: a few more frames let the last of it settle).
camera_after() {
  local before
  before=$(camera_count)
  "$@"
  wait_for "the view to come to rest" 60 camera_count_reaches $((before + 1))
  wait_frames 3
}
# probe_where_now X Z RISE: as probe_where, in the view the game last came to rest in (the probe's
# window stays hidden, so it may run while the game does).
probe_where_now() {
  # shellcheck disable=SC2046
  (cd "$GAME" && "$PROBE" where "$@" $(camera_pose))
}

# terrain_fills SHOT: every tile of the game view above the panel, but the minimap's, shows the
# terrain's black grid lines: no sky shows beside the map.
terrain_fills() {
  local columns=8 rows=6 width=$((W / 8)) height=$(((H - 192) / 6)) minimap=$((8 + H / 5 + 8))
  local row column left top black
  for row in $(seq 0 $((rows - 1))); do
    for column in $(seq 0 $((columns - 1))); do
      left=$((column * width))
      top=$((row * height))
      [ "$left" -lt "$minimap" ] && [ "$top" -lt "$minimap" ] && continue
      black=$(convert "$1" -crop "${width}x${height}+${left}+${top}" +repage -alpha off -fuzz 12% \
        -fill red -opaque black -fill black +opaque red -fill white -opaque red -format '%[fx:round(mean * w * h)]' info:)
      [ "$black" -gt 0 ] || { echo "no terrain in the tile at ($left, $top)" >&2; return 1; }
    done
  done
}

# click_button: the panel's first command button (a Worker at a base centre, a Marine at a Barracks).
click_button() { click 34 "$(up_y 114)"; }

# metal SIDE: the side's metal at the last pass, from the status lines, which name the sides (and
# all begin "Player1"); metal_above SIDE AMOUNT.
metal() {
  local names=(Gaia Tolvanek Rudmarel)
  grep "^Player1(${names[$1]}) " "$GAME/log.log" | tail -n1 | sed 's/.*resources = (\([0-9]*\),.*/\1/'
}
metal_above() { [ "$(metal "$1")" -gt "$2" ]; }

# pan_to X Z: the arrow keys, a few frames at a time, until grid position (X, Z) lies near the
# middle of the scene.
pan_to() {
  local x y
  for _ in $(seq 1 200); do
    read -r x y < <(probe_where_now "$1" "$2" 0)
    if [ "$x" -lt $((W / 3)) ]; then camera_after hold_key Left 2
    elif [ "$x" -gt $((2 * W / 3)) ]; then camera_after hold_key Right 2
    elif [ "$y" -lt $((scene_bottom / 3)) ]; then camera_after hold_key Up 2
    elif [ "$y" -gt $((2 * scene_bottom / 3)) ]; then camera_after hold_key Down 2
    else return 0
    fi
  done
  fail "the arrow keys did not bring ($1, $2) into the view"
}
# travel_to X Z: as a player crosses the map: the wheel zooms out, the arrow keys pan, the wheel
# zooms back in (about the view's centre) and the arrows set the view right.
travel_to() {
  for _ in 1 2 3 4; do camera_after xdotool click 5; done
  pan_to "$1" "$2"
  for _ in 1 2 3 4; do camera_after xdotool click 4; done
  pan_to "$1" "$2"
}

