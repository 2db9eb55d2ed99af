#!/usr/bin/env bash
# The game as a player installs it: `cmake --install` into a staging root (DESTDIR), the
# installed tree made read only, the desktop entry and AppStream file validated, then the
# installed program run under Xvfb with a fresh home and fresh XDG folders. The first start
# shows no error box; the tileset is changed through the menu and a game is won into the hall
# of fame; after a restart the tileset is still the chosen one. The settings, the hall of fame
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

# Started again: the choice is read back from the XDG folder, and written again at close.
start_program
sleep 0.5
no_error_box "the second start"
close_program
grep -q '^Tileset=1' "$config/Quorin.ini" || fail "the tileset choice was lost after the restart"

snapshot >"$work/after"
diff "$work/before" "$work/after" >"$work/changed" || fail "files changed under the prefix: $(cat "$work/changed")"
[ -z "$(find "$HOME" -mindepth 1 ! -type d)" ] || fail "files were written outside the XDG folders: $(find "$HOME" -mindepth 1 ! -type d)"
echo "installed end to end: ok"
