#!/usr/bin/env bash
# The layout editor in the real program under Xvfb, driven like a player: "Create Layout"
# from the Layout menu, 144 positions placed by left clicks (a block of 12 x 6 tiles and a
# second one on top of it), "Tiles left" read as 0, "Try it", and the hinted pair of the new
# layout clicked away.
# usage: editor_end_to_end.sh QUORIN_EXECUTABLE DATA_FOLDER     (exit 77: skipped, tools missing)
set -Eeuo pipefail
exe=$1 data=$2
work=""
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -n "$work" ] && [ -f "$work/log" ] && cat "$work/log" >&2' ERR
for tool in Xvfb xdotool import convert md5sum; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb_lib.sh"

# A program folder of its own: the executable beside a copy of the data.
copy_program "$exe" "$data"
# The blue tileset (its hint tint is read below) and winnable deals, so the tried layout
# always offers a pair to remove.
printf '[Quorin]\r\nTileset=3\r\nCoolStatus=0\r\nWinnable=1\r\n' > "$work/program/Quorin.ini"

start_xvfb
export HOME="$work" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

start_program

shot() { import -window "$wid" "$work/shot.png"; }
# A checksum of part ("WxH+X+Y", with an optional -gravity) of the last shot.
sum_of() { convert "$work/shot.png" "$@" +repage rgb:- | md5sum; }
# The status line's "Tiles" field, at the window's bottom left.
tiles_field() { shot; sum_of -gravity SouthWest -crop 100x40+0+0; }
# The bottom border (#7D7565) of the bar above the board surface, the toolbar's or the
# editor panel's, found in a column right of the name box and left of the side panel. The
# surface starts on the row below it.
border_column() { shot; convert "$work/shot.png" -crop 1x160+690+0 +repage txt:-; }
bar_border() { border_column | awk -F'[,:]' '/#7D7565/ { row = $2 } END { print row }'; }
# The same row when it is the editor panel's (#E4DCCB above it); empty when the panel is hidden.
panel_border() {
  border_column | awk -F'[,:]' '/#7D7565/ && above ~ /#E4DCCB/ { row = $2 } { above = $0 }
                                END { print row }'
}
wait_for_panel() {
  local want=$1 border=""
  for _ in $(seq 20); do
    border=$(panel_border)
    if [ "$want" = shown ] && [ -n "$border" ]; then echo "$border"; return 0; fi
    if [ "$want" = hidden ] && [ -z "$border" ]; then return 0; fi
    sleep 0.25
  done
  return 1
}
# "Tiles left" and its number, left of "Layout Name" in the editor panel.
counter() { shot; sum_of -crop "115x30+0+$(($1 - 30))"; }
# The editor's "Exit" menu by its mnemonic, and one of its entries by its own: s (Save),
# a (Save as...), t (Try it), x (Exit).
editor_menu_entry() {
  xdotool key --clearmodifiers alt+e
  sleep 0.5
  xdotool key "$1"
}

empty_tiles=$(tiles_field)

# The counter reading 0, as it does for an edited layout of 144 positions (the current
# layout, Traditional): the picture the new layout's counter must match once it is full.
xdotool key --clearmodifiers alt+l Down Down Return
border=$(wait_for_panel shown) || fail "\"Edit Layout\" did not open the editor"
full_counter=$(counter "$border")
editor_menu_entry x
wait_for_panel hidden || fail "\"Exit\" did not leave the editor"

# --- "Create Layout": an empty board and a counter that does not read 0.
xdotool key --clearmodifiers alt+l Down Return
border=$(wait_for_panel shown) || fail "\"Create Layout\" did not open the editor"
[ "$(counter "$border")" != "$full_counter" ] ||
  fail "the counter of a new layout reads like that of a full one"

# The tile of cell (x, y) on a layer starts at (20x + 6 layer - 52, 25y - 6 layer - 59)
# from the board origin (36, 25 on a screen this wide), in window pixels with the surface
# top $1 (the surface spans the window from its left edge): prints "left top". Tiles are two
# cells wide and high, 46 x 56 pixels.
tile_corner() {
  echo $((36 + 20 * $2 + 6 * $4 - 52)) $(($1 + 25 + 25 * $3 - 6 * $4 - 59))
}
# The block: columns 6 to 28, rows 4 to 14, away from the first row and the bottom ones.
columns=$(seq 6 2 28) rows=$(seq 4 2 14)
# A press aims at a cell from the upper-left 30 x 35 pixels of its tile, here at their
# middle; a press on a tile aims one layer above it, so the second block is clicked on the
# first one.
clicks=()
for layer in 1 2; do
  for y in $rows; do
    for x in $columns; do
      read -r left top < <(tile_corner $((border + 1)) "$x" "$y" "$layer")
      clicks+=(mousemove --window "$wid" $((left + 15)) $((top + 17)) click --delay 0 1)
    done
  done
done
xdotool "${clicks[@]}"

full=""
for _ in $(seq 20); do
  [ "$(counter "$border")" = "$full_counter" ] && { full=1; break; }
  sleep 0.25
done
[ -n "$full" ] || fail "\"Tiles left\" does not read 0 after 144 clicks"

# --- "Try it": the editor closes and a game of the new layout starts.
editor_menu_entry t
wait_for_panel hidden || fail "\"Try it\" did not leave the editor"
sleep 0.5
dealt_tiles=$(tiles_field)
[ "$dealt_tiles" != "$empty_tiles" ] || fail "\"Try it\" did not start a game"
# The game is on the new layout: every tile face on the board lies within the block.
surface_top=$(($(bar_border) + 1))
read -r x0 y0 < <(tile_corner "$surface_top" 6 4 2)
read -r x1 y1 < <(tile_corner "$surface_top" 28 14 1)
blank=$(colour_of "$work/program/Tilesets/bluepai.bmp" 40x50+6+256)
[ -n "$blank" ] || fail "could not read the blank face of the tileset"
outside=$(pixels_of "$wid" "$blank" |
  awk -v top="$surface_top" -v x0="$x0" -v y0="$y0" -v x1=$((x1 + 46)) -v y1=$((y1 + 56)) '
    $2 >= top && $1 < 690 && ($1 < x0 || $1 >= x1 || $2 < y0 || $2 >= y1) { n++ }
    END { print n + 0 }')
[ "$outside" -eq 0 ] || fail "\"Try it\" dealt another layout: $outside face pixels outside the block"

# --- The hint shows two tiles; clicking them takes the pair away.
xdotool key --clearmodifiers ctrl+h
sleep 0.5
tint=$(colour_of "$work/program/Tilesets/bluepai.bmp" 40x50+98+256)
[ -n "$tint" ] || fail "could not read the hint colour of the tileset"
hinted() { pixels_of "$wid" "$tint"; }
points=$(hinted)
[ -n "$points" ] || fail "no hinted tile on the tried layout"
read -r ax ay bx by < <(echo "$points" | two_clusters)
[ -n "${by:-}" ] || fail "the hint did not show two tiles"
xdotool mousemove --window "$wid" "$ax" "$ay" click 1
sleep 0.3
xdotool mousemove --window "$wid" "$bx" "$by" click 1
removed=""
for _ in $(seq 10); do
  sleep 0.3
  [ -z "$(hinted)" ] && { removed=1; break; }
done
[ -n "$removed" ] || fail "the hinted pair is still on the board after clicking it"
# The tint could go without the pair: the "Tiles" count must have moved on from 144 too.
[ "$(tiles_field)" != "$dealt_tiles" ] || fail "the \"Tiles\" count did not change"
echo "editor end to end: ok"
