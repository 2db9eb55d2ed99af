#!/usr/bin/env bash
# The game as a player installs it: `cmake --install` into a staging root (DESTDIR), the
# installed tree made read only, the desktop entry and AppStream file validated, then the
# installed program run under Xvfb with a fresh home and fresh XDG folders. The first start
# shows no error box; the tileset is changed through the menu and a game is won into the hall
# of fame; after a restart the tileset is still the chosen one. Three pairs of a new game are
# removed; closed, and again killed with SIGKILL, the program comes back to the same 138
# tiles, clock and undo history. The settings, the hall of fame
# and the favourites must be in the XDG folders, and nothing may change under the prefix.
# usage: installed_end_to_end.sh BUILD_FOLDER     (exit 77: skipped, tools missing)
set -Eeuo pipefail
build=$1
work=""
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -n "$work" ] && [ -f "$work/log" ] && cat "$work/log" >&2' ERR
for tool in Xvfb xdotool import convert desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb_lib.sh"
# The installed tree is read only: give the cleanup its write permission back first.
trap 'chmod -R u+w "$work" 2>/dev/null || true; cleanup' EXIT

root="$work/root"
prefix=/usr
DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
  fail "cmake --install failed: $(cat "$work/install.log")"
usr="$root$prefix"
id=org.example.quorin
for f in bin/quorin bin/quorin-layout share/quorin/Layouts/Traditional.lay \
         share/quorin/Tilesets/pai.bmp share/quorin/Musics share/quorin/quorin.rtf \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png share/man/man6/quorin.6 \
         share/man/man6/quorin-layout.6; do
  [ -e "$usr/$f" ] || fail "not installed: $prefix/$f"
done
# Only the shipped data: a settings file of the build folder must not travel with it.
[ -z "$(find "$root" -name '*.ini' ! -name Links.ini)" ] || fail "ini files were installed: $(find "$root" -name '*.ini')"
[ "$(identify -format %wx%h "$usr/share/icons/hicolor/48x48/apps/$id.png")" = 48x48 ] ||
  fail "the 48x48 icon is not 48 x 48 pixels"
desktop-file-validate "$usr/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
  fail "the metainfo file is not valid: $(cat "$work/appstream.log")"

# Both answer on standard output without a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/quorin" --version)
[[ "$version" =~ ^quorin\ [0-9]+\.[0-9]+$ ]] || fail "--version answered: $version"
env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/quorin" --help | grep -q '^Usage: quorin' ||
  fail "--help did not print the usage"

chmod -R a-w "$root"
snapshot() { find "$root" -printf '%p %s %T@ %m\n' | sort; }
snapshot >"$work/before"

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/xdg/config" XDG_DATA_HOME="$work/xdg/data"
export XDG_CACHE_HOME="$work/xdg/cache" XDG_STATE_HOME="$work/xdg/state" XDG_RUNTIME_DIR="$work/runtime"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
config="$XDG_CONFIG_HOME/quorin" player="$XDG_DATA_HOME/quorin"
program="$usr/bin/quorin"
start_xvfb

# Any window of the program besides the main one is a message box.
no_error_box() {
  local wins
  wins=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null || true)
  for w in $wins; do
    [ "$w" = "$wid" ] && continue
    [ "$(xdotool getwindowname "$w")" = Quorin ] && fail "an error box opened at $1"
  done
  return 0
}

start_program QUORIN_TEST_LAST_PAIR=1
sleep 0.5
no_error_box "the first start"
[ -f "$player/Favelay.ini" ] || fail "the favourites were not written to $player"

# Background (Alt+B), one menu to the right is Tileset; a menu opened from the keyboard
# starts on its first entry, "Load from disk", and the next is "Orange borders".
xdotool key --clearmodifiers alt+b
sleep 0.3
xdotool key --clearmodifiers Right Down Return
sleep 0.5
no_error_box "the tileset change"

# A board with one pair left: the hint shows it in the tint of the orange tileset.
xdotool key --clearmodifiers Return
sleep 1.5
xdotool key --clearmodifiers ctrl+h
sleep 0.5
click_hinted_pair "$usr/share/quorin/Tilesets/pai.bmp"
timeout 10 xdotool search --sync --onlyvisible --name '^Board finished !$' >/dev/null ||
  fail "the game-over window did not appear"
sleep 0.5
xdotool key --clearmodifiers Return
timeout 10 xdotool search --sync --onlyvisible --name '^Hall of Fame$' >/dev/null ||
  fail "the hall of fame window did not appear"
sleep 0.5
xdotool type --delay 80 "Zoe"
xdotool key --clearmodifiers Return
sleep 0.5

close_program() {
  xdotool windowfocus --sync "$wid" || true
  xdotool key --clearmodifiers ctrl+c
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "the program did not close"
  wait "$app" || fail "the program exited with an error"
  app=""
}
close_program
grep -q "^Tileset=1" "$config/Quorin.ini" || fail "the tileset choice was not written to $config/Quorin.ini: $(grep Tileset "$config/Quorin.ini" || true)"
grep -q '^Rank1=Zoe ' "$player/Hallfame.ini" || fail "the hall of fame entry is not in $player/Hallfame.ini"

# Started again: the choice is read back from the XDG folder.
start_program
sleep 0.5
no_error_box "the second start"

# --- A game in progress outlives the window: closed, and killed.
saved="$player/Saved.game"
# A checksum of the board area, with the pointer off the board so that no tile is lit.
board_sum() {
  xdotool mousemove --window "$wid" 5 5
  import -window "$wid" "$work/board.png"
  convert "$work/board.png" -crop 600x380+40+90 +repage rgb:- | md5sum
}
# True once two looks in a row agree (a repaint is on screen whole), and differ from $1 when
# it is given; `board` is then the checksum.
board_settled() {
  local first second
  first=$(board_sum)
  [ "$first" != "${1:-}" ] || return 1
  second=$(board_sum)
  [ "$first" = "$second" ] || return 1
  board=$first
}
board_is() { board_settled && [ "$board" = "$1" ]; }
# The saved game without its clock line, and the clock line's time played in milliseconds.
saved_board() { grep -v '^clock ' "$1"; }
saved_clock() { awk '$1 == "clock" { print $2 }' "$1"; }
saved_penalty() { awk '$1 == "clock" { print $3 }' "$1"; }
remove_three_pairs() {
  local n
  for n in 1 2 3; do
    board_settled
    xdotool key --clearmodifiers ctrl+h
    wait_until "hint $n" board_settled "$board"
    click_hinted_pair "$usr/share/quorin/Tilesets/pai.bmp"
    wait_until "pair $n to leave" board_settled "$board"
  done
  wait_until "138 tiles in the saved game" grep -qx 'tiles 144 138' "$saved"
  wait_until "the board of 138 tiles" board_settled
}
# F12 pauses and goes on. The pause writes the game, with its clock as it stopped, before the
# board gives way to the background: once that shows, the file is the paused game.
pause_and_keep() {
  local shown
  wait_until "the board before the pause" board_settled
  shown=$board
  xdotool key --clearmodifiers F12
  wait_until "the pause" board_settled "$shown"
  cp "$saved" "$1"
}
# After a restart: the board stays hidden until Play; then the same 138 tiles, the clock where
# it stood (only the moment between Play and the next pause added), and three moves back
# to the deal.
check_resumed() {
  local before=$1 how=$2 paused_board
  start_program
  no_error_box "the start after $how"
  board_settled
  paused_board=$board
  xdotool key --clearmodifiers F12
  wait_until "the resumed board after $how" board_is "$board3"
  pause_and_keep "$work/again"
  diff <(saved_board "$before") <(saved_board "$work/again") >"$work/diff" ||
    fail "the game after $how is not the one left: $(cat "$work/diff")"
  local gained=$(( $(saved_clock "$work/again") - $(saved_clock "$before") ))
  [ "$gained" -ge 0 ] && [ "$gained" -le 5000 ] ||
    fail "after $how the clock moved by $gained ms"
  [ "$(saved_penalty "$work/again")" = "$(saved_penalty "$before")" ] || fail "the penalties changed after $how"
  [ "$paused_board" != "$board3" ] || fail "the board showed before Play after $how"
  xdotool key --clearmodifiers F12
  wait_until "the board to show again after $how" board_is "$board3"
  xdotool key --clearmodifiers ctrl+z ctrl+z ctrl+z
  wait_until "three moves taken back after $how" board_is "$board0"
}

xdotool key --clearmodifiers Return
wait_until "the new game" grep -qx 'tiles 144 144' "$saved"
wait_until "the dealt board" board_settled
board0=$board
remove_three_pairs
board3=$board
pause_and_keep "$work/closed"
close_program
check_resumed "$work/closed" "closing"
echo "kept across a close: 138 tiles, clock and undo history"

remove_three_pairs
board3=$board
cp "$saved" "$work/killed"
kill -9 "$app"
wait "$app" 2>/dev/null || true
app=""
check_resumed "$work/killed" "kill -9"
echo "kept across kill -9: 138 tiles, clock and undo history"
close_program
grep -q '^Tileset=1' "$config/Quorin.ini" || fail "the tileset choice was lost after the restart"

snapshot >"$work/after"
diff "$work/before" "$work/after" >"$work/changed" || fail "files changed under the prefix: $(cat "$work/changed")"
[ -z "$(find "$HOME" -mindepth 1 ! -type d)" ] || fail "files were written outside the XDG folders: $(find "$HOME" -mindepth 1 ! -type d)"
echo "installed end to end: ok"
