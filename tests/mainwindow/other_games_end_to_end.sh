#!/usr/bin/env bash
# Rivers, Memory and Clicks in the real program under Xvfb: start each with its shortcut and
# make one legal move in it (Rivers: the hinted pair; Memory: turn a tile; Clicks: a group),
# checking on screen that the board changed.
# usage: other_games_end_to_end.sh QUORIN_EXECUTABLE DATA_FOLDER     (exit 77: tools missing)
set -Eeuo pipefail
exe=$1 data=$2
work=""
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -n "$work" ] && [ -f "$work/log" ] && cat "$work/log" >&2' ERR
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb_lib.sh"

copy_program "$exe" "$data"
# The blue tileset, whose hint tint and blank face are read from its picture below.
printf '[Quorin]\r\nTileset=3\r\nCoolStatus=0\r\n' > "$work/program/Quorin.ini"

start_xvfb
export HOME="$work" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

start_program

# A checksum of the board area, which the clock and the status line do not touch.
board_sum() {
  import -window "$wid" "$work/board.png"
  convert "$work/board.png" -crop 600x380+40+90 +repage rgb:- | md5sum
}

# --- Rivers: the hint shows a pair that can leave; clicking it takes it away.
xdotool key --clearmodifiers F3
sleep 0.5
xdotool key --clearmodifiers ctrl+h
sleep 0.5
tint=$(colour_of "$work/program/Tilesets/bluepai.bmp" 40x50+98+256)
[ -n "$tint" ] || fail "could not read the hint colour of the tileset"
points=$(pixels_of "$wid" "$tint")
[ -n "$points" ] || fail "Rivers: no hinted tile on screen"
read -r ax ay bx by < <(echo "$points" | two_clusters)
[ -n "${by:-}" ] || fail "Rivers: the hint did not show two tiles"
xdotool mousemove --window "$wid" "$ax" "$ay" click 1
sleep 0.3
xdotool mousemove --window "$wid" "$bx" "$by" click 1
removed=""
for _ in $(seq 10); do
  sleep 0.3
  [ -z "$(pixels_of "$wid" "$tint")" ] && { removed=1; break; }
done
[ -n "$removed" ] || fail "Rivers: the hinted pair is still on the board after clicking it"
echo "Rivers: a pair removed"

# --- Memory: every tile lies face down; a click turns one.
xdotool key --clearmodifiers F4
sleep 0.5
blank=$(colour_of "$work/program/Tilesets/bluepai.bmp" 40x50+6+256)
[ -n "$blank" ] || fail "could not read the blank face of the tileset"
# The top-left corner of the first face on the board (the toolbar shares the colour).
read -r mx my < <(pixels_of "$wid" "$blank" | awk '$2 > 90 && $1 < 690' | sort -n -k2 -k1 |
                  awk 'NR == 1 { print $1 + 20, $2 + 25 }')
[ -n "${my:-}" ] || fail "Memory: no face-down tile on screen"
# The pointer over a tile outlines it: the board is compared from there on.
xdotool mousemove --window "$wid" "$mx" "$my"
sleep 0.3
before=$(board_sum)
xdotool click 1
sleep 0.3
[ "$(board_sum)" != "$before" ] || fail "Memory: the clicked tile did not turn"
echo "Memory: a tile turned"

# --- Clicks: pressing pieces along the bottom row until one had a neighbour of its colour.
xdotool key --clearmodifiers F5
sleep 0.5
before=$(board_sum)
moved=""
for x in $(seq 84 32 628); do
  xdotool mousemove --window "$wid" "$x" 462 click 1
  sleep 0.2
  [ "$(board_sum)" != "$before" ] && { moved=1; break; }
done
[ -n "$moved" ] || fail "Clicks: no press removed a group"
echo "Clicks: a group removed"

# Closing writes the settings: the game last played is kept for "New".
xdotool key --clearmodifiers ctrl+c
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not close"
wait "$app" || fail "the program exited with an error"
app=""
grep -q '^BoardNumber=120' "$work/program/Quorin.ini" || fail "BoardNumber is not the Clicks game"
echo "other games end to end: ok"
