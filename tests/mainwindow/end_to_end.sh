#!/usr/bin/env bash
# The real program in a real window under Xvfb: press "Classic", ask for a hint, click the
# hinted pair away, close the window with its shortcut, and check that Quorin.ini was written.
# usage: end_to_end.sh QUORIN_EXECUTABLE DATA_FOLDER     (exit 77: skipped, tools missing)
set -Eeuo pipefail
exe=$1 data=$2
work=""
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -n "$work" ] && [ -f "$work/log" ] && cat "$work/log" >&2' ERR
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb_lib.sh"

# A program folder of its own: the executable beside a copy of the data.
copy_program "$exe" "$data"
# Known options: the blue tileset, the Andromeda background, no winnable shuffles.
printf '[Quorin]\r\nTileset=3\r\nCoolStatus=0\r\n' > "$work/program/Quorin.ini"

start_xvfb
export HOME="$work" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

start_program

# "Classic" is the welcome panel's default button.
xdotool key --clearmodifiers Return
sleep 0.5
xdotool key --clearmodifiers ctrl+h
sleep 0.5

click_hinted_pair "$work/program/Tilesets/bluepai.bmp"
hinted() { pixels_of "$wid" "$tint"; }
removed=""
for _ in $(seq 10); do
  sleep 0.3
  [ -z "$(hinted)" ] && { removed=1; break; }
done
[ -n "$removed" ] || fail "the hinted pair is still on the board after clicking it"

# E&xit's shortcut closes the program, which writes its settings.
xdotool key --clearmodifiers ctrl+c
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not close"
wait "$app" || fail "the program exited with an error"
app=""
keys=$(grep -c '=' "$work/program/Quorin.ini")
[ "$keys" -eq 48 ] || fail "Quorin.ini has $keys keys, 48 expected"
grep -q '^PreviousRes=1280' "$work/program/Quorin.ini" || fail "PreviousRes was not written"
echo "end to end: ok"
