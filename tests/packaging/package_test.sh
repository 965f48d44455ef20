#!/usr/bin/env bash
# The Debian package end to end: cpack builds it, lintian, desktop-file-validate and appstreamcli
# check it, it is unpacked into a scratch root, and the installed game is started from its
# launcher under Xvfb with HOME and XDG_STATE_HOME of its own. The game must reach its main loop,
# write its log in the user's folder and leave every installed file as it was; then a player's own
# data folder with a broken model (docs/modding.md) gets the game's message box, answered by X
# input, and the game goes on. Usage: package_test.sh BUILD SOURCE
source "$(dirname "$0")/../e2e/lib.sh"
SOURCE=$(cd "$2" && pwd)

# --- the package
cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$SCRATCH/package" >"$SCRATCH/cpack.log" 2>&1 ||
  { cat "$SCRATCH/cpack.log"; fail "cpack failed"; }
deb=$(ls "$SCRATCH"/package/orvalen_*.deb 2>/dev/null)
[ -f "$deb" ] || fail "cpack made no orvalen_*.deb"
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "orvalen_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "the package is named $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libsdl2 libopenal1 libfreeimage libglew libfreetype libglu1; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# No error from lintian, and every warning it gives is one docs/packaging.md decided about.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$SCRATCH/lintian.log" 2>&1 ||
  { cat "$SCRATCH/lintian.log"; fail "lintian reports errors"; }
for tag in $(awk '/^W: / { print $3 }' "$SCRATCH/lintian.log" | sort -u); do
  grep -q -- "\`$tag\`" "$SOURCE/docs/packaging.md" || fail "lintian warns $tag, which docs/packaging.md does not list"
done

# --- the installed files
root="$SCRATCH/root"
dpkg-deb -x "$deb" "$root"
for file in usr/games/orvalen usr/lib/games/orvalen/orvalen usr/bin/orvalen-tool usr/bin/orvalen-sim \
  usr/share/games/orvalen/data/maps/motac.ktqw usr/share/man/man6/orvalen.6.gz \
  usr/share/man/man1/orvalen-tool.1.gz usr/share/man/man1/orvalen-sim.1.gz usr/share/doc/orvalen/copyright \
  usr/share/doc/orvalen/formats.md usr/share/doc/orvalen/modding.md; do
  [ -e "$root/$file" ] || fail "the package lacks /$file"
done
for size in 48 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/orvalen.png"
  [ "$(identify -format '%wx%h %[channels]' "$icon" 2>/dev/null)" = "${size}x${size} srgba" ] ||
    fail "no ${size}x${size} icon with alpha at $icon"
done
desktop-file-validate "$root/usr/share/applications/orvalen.desktop" || fail "desktop-file-validate refused the entry"
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net --strict "${metainfo[@]}" >"$SCRATCH/appstream.log" 2>&1 ||
  { cat "$SCRATCH/appstream.log"; fail "appstreamcli validate refused the metainfo"; }
grep -q "<release version=\"$version\"" "${metainfo[@]}" || fail "the metainfo's releases lack version $version"

# Everything installed, with its mode, size, time and contents, to compare after the game ran.
manifest() {
  (cd "$root" && find . -printf '%p %M %s %T@ %l\n' | sort && find . -type f -exec sha256sum {} + | sort)
}
manifest >"$SCRATCH/before"

# The installed tools run from the installed tree.
"$root/usr/bin/orvalen-tool" info "$root/usr/share/games/orvalen/data/maps/motac.ktqw" >/dev/null ||
  fail "the installed orvalen-tool cannot read the installed map"
[ "$("$root/usr/bin/orvalen-sim" --version)" = "orvalen-sim $version" ] || fail "orvalen-sim --version"

# --- the installed game, started from its launcher
home="$SCRATCH/home"
state="$SCRATCH/state"
folder="$state/orvalen"
mkdir -p "$home"
launch() {
  (cd "$SCRATCH" && HOME="$home" XDG_STATE_HOME="$state" exec "$root/usr/games/orvalen" "$@") &
  GAME_PID=$!
  GAME_PIDS+=("$GAME_PID")
}

[ "$(HOME="$home" XDG_STATE_HOME="$state" "$root/usr/games/orvalen" --version)" = "orvalen $version" ] ||
  fail "the launcher did not pass --version on to the game"

# Every file the game loads at start is there: a missing one would stop the loading at a message
# box, and no LOOP line would come.
launch
wait_for "the game window" 60 window_named "Orvalen v1.0"
wait_for "LOOP lines in the user's folder" 120 log_has "$folder" "^LOOP ("
for caption in "Map Unavailable" "Model Unavailable" "Error"; do
  window_named "$caption" >/dev/null && fail "the installed game showed a \"$caption\" box"
done
[ "$(readlink "$folder/data")" = "$root/usr/share/games/orvalen/data" ] || fail "data does not point at the installed data"
quit_game "$folder" "the installed game"
[ -z "$(ls -A "$home")" ] || fail "the game wrote into HOME although XDG_STATE_HOME is set: $(ls -A "$home")"

# --- a player's own data folder, as docs/modding.md makes it, with a model the game refuses
rm "$folder/data" "$folder/log.log"
cp -r "$root/usr/share/games/orvalen/data" "$folder/data"
head -c 100 "$root/usr/share/games/orvalen/data/models/marine.ktqm" >"$folder/data/models/marine.ktqm"
launch
answer_box "Model Unavailable"
wait_for "LOOP lines after the answered box" 120 log_has "$folder" "^LOOP ("
[ -d "$folder/data" ] && [ ! -L "$folder/data" ] || fail "the launcher replaced the player's own data folder"
quit_game "$folder" "the game with the player's own data"

manifest >"$SCRATCH/after"
diff "$SCRATCH/before" "$SCRATCH/after" >&2 || fail "files under the installed prefix changed"
echo "package_test: passed"
