#!/usr/bin/env bash
# The game and its two tools answer --help and --version on standard output with status 0, and an
# unknown option with the usage on standard error and status 2. Nothing here needs a display: the
# game answers before it opens a window. Usage: command_line_test.sh BUILD VERSION
set -u
BUILD=$(cd "$1" && pwd)
VERSION=$2
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# run PROGRAM ARGUMENTS...: in an empty folder, without a display; sets STATUS, OUT and ERR.
run() {
  (cd "$SCRATCH" && env -u DISPLAY "$BUILD/$1" "${@:2}" >"$SCRATCH/out" 2>"$SCRATCH/err")
  STATUS=$?
  OUT=$(cat "$SCRATCH/out")
  ERR=$(cat "$SCRATCH/err")
}

for program in orvalen orvalen-tool orvalen-sim; do
  for help in --help -h; do
    run "$program" "$help"
    [ "$STATUS" -eq 0 ] || fail "$program $help exited with $STATUS"
    grep -q "^usage: $program" <<<"$OUT" || fail "$program $help printed no usage: $OUT"
    [ -z "$ERR" ] || fail "$program $help wrote to standard error: $ERR"
  done

  run "$program" --version
  [ "$STATUS" -eq 0 ] && [ "$OUT" = "$program $VERSION" ] || fail "$program --version gave '$OUT' ($STATUS)"

  run "$program" --no-such-option
  [ "$STATUS" -eq 2 ] || fail "$program --no-such-option exited with $STATUS"
  grep -q "usage: $program" <<<"$ERR" || fail "$program --no-such-option printed no usage on standard error: $ERR"
  [ -z "$OUT" ] || fail "$program --no-such-option wrote to standard output: $OUT"
done

# Answering the command line writes no log.
run orvalen --help extra
[ "$STATUS" -eq 0 ] || fail "orvalen --help extra exited with $STATUS"
run orvalen stray-argument
[ "$STATUS" -eq 2 ] || fail "orvalen stray-argument exited with $STATUS"
# --enemy-marines takes a count from 0 to 1000; anything else is refused before any window opens.
for bad in "" -1 1001 many; do
  run orvalen --enemy-marines $bad
  [ "$STATUS" -eq 2 ] && grep -q "enemy-marines needs" <<<"$ERR" || fail "orvalen --enemy-marines $bad: $STATUS $ERR"
done
# --replay takes a recorded game, and takes the enemy's Marines from it.
run orvalen --replay
[ "$STATUS" -eq 2 ] && grep -q "replay needs a recorded game" <<<"$ERR" || fail "orvalen --replay: $STATUS $ERR"
run orvalen --replay game.replay --enemy-marines 3
[ "$STATUS" -eq 2 ] || fail "orvalen --replay with --enemy-marines exited with $STATUS"
# --opponent takes computer or none; --map a map file; neither goes with --replay.
for bad in "" human Computer; do
  run orvalen --opponent $bad
  [ "$STATUS" -eq 2 ] && grep -q "opponent" <<<"$ERR" && grep -q "usage: orvalen" <<<"$ERR" ||
    fail "orvalen --opponent $bad: $STATUS $ERR"
done
run orvalen --map
[ "$STATUS" -eq 2 ] && grep -q "map needs a map file" <<<"$ERR" || fail "orvalen --map: $STATUS $ERR"
run orvalen --replay game.replay --map data/maps/motac.ktqw
[ "$STATUS" -eq 2 ] || fail "orvalen --replay with --map exited with $STATUS"
run orvalen-sim --opponent somebody
[ "$STATUS" -eq 2 ] && grep -q "opponent takes computer or none" <<<"$ERR" || fail "orvalen-sim --opponent somebody: $STATUS $ERR"
run orvalen-sim --human person
[ "$STATUS" -eq 2 ] && grep -q "human takes computer" <<<"$ERR" || fail "orvalen-sim --human person: $STATUS $ERR"
# A recording that cannot be read is said so, before any window opens.
run orvalen --replay missing.replay
[ "$STATUS" -eq 1 ] && grep -q "The recorded game can't be shown: cannot read the recorded game missing.replay" <<<"$ERR" ||
  fail "orvalen --replay missing.replay: $STATUS $ERR"
# A script of orders: needed with its file, refused with a replay, read before any window opens.
run orvalen --script
[ "$STATUS" -eq 2 ] && grep -q "script needs a file of orders" <<<"$ERR" || fail "orvalen --script: $STATUS $ERR"
run orvalen --script orders.txt --replay game.replay
[ "$STATUS" -eq 2 ] && grep -q "replay gives the recorded game's orders" <<<"$ERR" ||
  fail "orvalen --script with --replay: $STATUS $ERR"
run orvalen --script missing.txt
[ "$STATUS" -eq 1 ] && grep -q "The orders can't be followed: cannot read the script 'missing.txt'" <<<"$ERR" ||
  fail "orvalen --script missing.txt: $STATUS $ERR"
printf '5 1 jump\n' > "$SCRATCH/jump.txt"
run orvalen --script jump.txt
[ "$STATUS" -eq 1 ] && grep -q "jump.txt: line 1 is malformed (unknown command 'jump')" <<<"$ERR" ||
  fail "orvalen --script jump.txt: $STATUS $ERR"
[ ! -e "$SCRATCH/log.log" ] || fail "answering the command line wrote log.log"

# orvalen-tool: a missing command is the usage error it always was.
run orvalen-tool
[ "$STATUS" -eq 2 ] && grep -q "usage: orvalen-tool" <<<"$ERR" || fail "orvalen-tool without a command: $STATUS"

[ "$failures" -eq 0 ] || exit 1
echo "command_line_test: passed"
