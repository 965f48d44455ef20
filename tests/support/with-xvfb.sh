#!/usr/bin/env bash
# Runs a command under its own Xvfb (on a free display number, Mesa's software renderer),
# then stops the server. Usage: with-xvfb.sh COMMAND [ARGS...]; XVFB_SCREEN sets the size and
# XVFB_ARGS adds server options.
set -u
screen=${XVFB_SCREEN:-1280x1024x24}
displayfile=$(mktemp)
Xvfb -displayfd 9 -screen 0 "$screen" -nolisten tcp -noreset ${XVFB_ARGS:-} 9>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 1 100); do
  [ -s "$displayfile" ] && break
  sleep 0.05
done
if [ ! -s "$displayfile" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$displayfile")"
export LIBGL_ALWAYS_SOFTWARE=1
"$@"
