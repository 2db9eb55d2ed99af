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

# Every step waits for what it needs to see, never for a fixed time: on a loaded machine the
# program may take seconds to answer a key or a click.

# A checksum of the board area, which the clock and the status line do not touch.
board_sum() {
  import -window "$wid" "$work/board.png"
  convert "$work/board.png" -crop 600x380+40+90 +repage rgb:- | md5sum
}
# True once the board differs from checksum $1 and two looks in a row agree, so that a
# repaint is on screen whole; `board` is then its checksum.
board_settled_away_from() {
  local first second
  first=$(board_sum)
  [ "$first" != "$1" ] || return 1
  second=$(board_sum)
  [ "$first" = "$second" ] || return 1
  board=$first
}
# The "Moves left" field of the status line: filled in by the same tick that counts the moves.
# The crop lies inside the field with the narrower and the wider sans-serif fonts alike.
moves_field_colours() {
  import -window "$wid" "$work/status.png"
  convert "$work/status.png" -crop 20x14+173+525 +repage -format %k info:
}
moves_shown() { [ "$(moves_field_colours)" -gt 1 ]; }
moves_blank() { [ "$(moves_field_colours)" -eq 1 ]; }

board=$(board_sum)

# --- Rivers: the hint shows a pair that can leave; clicking it takes it away. The hint needs
# the moves counted, which the first tick of the game does.
xdotool key --clearmodifiers F3
wait_until "the Rivers board" board_settled_away_from "$board"
wait_until "the moves left of Rivers" moves_shown
xdotool key --clearmodifiers ctrl+h
tint=$(colour_of "$work/program/Tilesets/bluepai.bmp" 40x50+98+256)
[ -n "$tint" ] || fail "could not read the hint colour of the tileset"
# Two looks in a row that agree: both hinted tiles are drawn.
hint_shown() {
  local first second
  first=$(pixels_of "$wid" "$tint")
  [ -n "$first" ] || return 1
  second=$(pixels_of "$wid" "$tint")
  [ "$first" = "$second" ] || return 1
  points=$first
}
wait_until "the Rivers hint" hint_shown
read -r ax ay bx by < <(echo "$points" | two_clusters)
[ -n "${by:-}" ] || fail "Rivers: the hint did not show two tiles"
board=$(board_sum)
# The server hands the presses over in order, so the second waits for nothing.
xdotool mousemove --window "$wid" "$ax" "$ay" click 1
xdotool mousemove --window "$wid" "$bx" "$by" click 1
hint_gone() { [ -z "$(pixels_of "$wid" "$tint")" ] && board_settled_away_from "$board"; }
wait_until "the hinted Rivers pair to leave" hint_gone
echo "Rivers: a pair removed"

# --- Memory: every tile lies face down; a click turns one. Memory counts no moves, so the
# blank field says its first tick has run.
xdotool key --clearmodifiers F4
wait_until "the Memory board" board_settled_away_from "$board"
wait_until "the status line of Memory" moves_blank
blank=$(colour_of "$work/program/Tilesets/bluepai.bmp" 40x50+6+256)
[ -n "$blank" ] || fail "could not read the blank face of the tileset"
# The top-left corner of the first face on the board (the toolbar shares the colour).
read -r mx my < <(pixels_of "$wid" "$blank" | awk '$2 > 90 && $1 < 690' | sort -n -k2 -k1 |
                  awk 'NR == 1 { print $1 + 20, $2 + 25 }')
[ -n "${my:-}" ] || fail "Memory: no face-down tile on screen"
# The middle of the tile, which shows its picture once turned; the outline the pointer draws
# around a tile stays at its edges.
face_sum() {
  import -window "$wid" "$work/face.png"
  convert "$work/face.png" -crop 28x38+$((mx - 14))+$((my - 19)) +repage rgb:- | md5sum
}
face_down=$(face_sum)
xdotool mousemove --window "$wid" "$mx" "$my" click 1
face_turned() { [ "$(face_sum)" != "$face_down" ]; }
wait_until "the clicked Memory tile to turn" face_turned
echo "Memory: a tile turned"

# --- Clicks: a piece with a neighbour of its colour, found on screen, is pressed. Pieces of
# one colour are one picture, so their middle pixels are equal; 18 columns of 12 rows from
# the piece whose middle is at (76, 108), 32 pixels apart.
xdotool key --clearmodifiers F5
wait_until "the Clicks board" board_settled_away_from "$board"
wait_until "the moves left of Clicks" moves_shown
import -window "$wid" "$work/clicks.png"
read -r cx cy < <(convert "$work/clicks.png" -crop 545x353+76+108 +repage txt:- | awk -F'[,: ]+' '
  NR > 1 && $1 % 32 == 0 && $2 % 32 == 0 { c = $1 / 32; r = $2 / 32; colour[c, r] = $0; sub(/^[^ ]+ /, "", colour[c, r]) }
  END {
    for (r = 11; r >= 0; r--)
      for (c = 0; c < 18; c++)
        if ((c < 17 && colour[c, r] == colour[c + 1, r]) || (r > 0 && colour[c, r] == colour[c, r - 1])) {
          print 76 + 32 * c, 108 + 32 * r
          exit
        }
  }')
[ -n "${cy:-}" ] || fail "Clicks: no two neighbouring pieces of one colour on screen"
xdotool mousemove --window "$wid" "$cx" "$cy" click 1
wait_until "the pressed Clicks group to leave" board_settled_away_from "$board"
echo "Clicks: a group removed"

# Closing writes the settings: the game last played is kept for "New".
xdotool key --clearmodifiers ctrl+c
program_ended() { ! kill -0 "$app" 2>/dev/null; }
wait_until "the program to close" program_ended
wait "$app" || fail "the program exited with an error"
app=""
grep -q '^BoardNumber=120' "$work/program/Quorin.ini" || fail "BoardNumber is not the Clicks game"
echo "other games end to end: ok"
