#!/usr/bin/env bash
# The real program in a real window under Xvfb finishes a game and enters the hall of fame:
# the test switch QUORIN_TEST_LAST_PAIR deals a board with only one free pair left, the hint
# shows it and two clicks remove it through the ordinary rule. The name is typed into the
# hall of fame window, the program is killed with SIGKILL, started again and closed, and the
# entry must still be in Hallfame.ini. The time itself must be there already while the
# game-over window is open.
# usage: hall_end_to_end.sh QUORIN_EXECUTABLE DATA_FOLDER     (exit 77: skipped, tools missing)
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
# Known options: the blue tileset, time tracking for the hall of fame.
printf '[Quorin]\r\nTileset=3\r\nCoolStatus=0\r\nEnableHall=1\r\nPauseFocus=0\r\n' > "$work/program/Quorin.ini"

start_xvfb
export HOME="$work" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

start_program QUORIN_TEST_LAST_PAIR=1

# "Classic" is the welcome panel's default button.
xdotool key --clearmodifiers Return
sleep 1.5  # the clock must have run for the game to count as finished
xdotool key --clearmodifiers ctrl+h
sleep 0.5

click_hinted_pair "$work/program/Tilesets/bluepai.bmp"

# "Board finished !" and then the hall of fame window, each found by its caption.
timeout 10 xdotool search --sync --onlyvisible --name '^Board finished !$' >/dev/null ||
  fail "the game-over window did not appear"
# The time is on disk already, under the name known so far, while the window waits.
grep -q '^Rank1=Player1 ' "$work/program/Hallfame.ini" 2>/dev/null ||
  fail "the time is not in Hallfame.ini while \"Board finished !\" is open: $(cat "$work/program/Hallfame.ini" 2>/dev/null || true)"
sleep 0.5
xdotool key --clearmodifiers Return
timeout 10 xdotool search --sync --onlyvisible --name '^Hall of Fame$' >/dev/null ||
  fail "the hall of fame window did not appear"
sleep 0.5
# The name field has the focus with its text selected: typing replaces it.
xdotool type --delay 80 "Zoe"
entered=""
for _ in $(seq 20); do
  grep -q '^Rank1=Zoe ' "$work/program/Hallfame.ini" 2>/dev/null && { entered=1; break; }
  sleep 0.2
done
[ -n "$entered" ] || fail "the typed name is not in Hallfame.ini: $(cat "$work/program/Hallfame.ini" 2>/dev/null || true)"

# Killed with the hall of fame window still open: nothing gets a chance to save.
kill -KILL "$app"
wait "$app" 2>/dev/null || true
app=""

# Started again: the table is read back, and closing writes it out again.
start_program
xdotool key --clearmodifiers ctrl+c
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not close"
wait "$app" || fail "the program exited with an error"
app=""
grep -q '^Rank1=Zoe ' "$work/program/Hallfame.ini" || fail "the entry was lost after the restart"
echo "hall end to end: ok"
