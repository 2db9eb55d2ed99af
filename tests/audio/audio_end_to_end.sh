#!/usr/bin/env bash
# The real program in a real window under Xvfb, its sound card SDL's disk driver: the music
# must reach the card, and SIGTERM must still end the program.
# usage: audio_end_to_end.sh QUORIN_EXECUTABLE DATA_FOLDER     (exit 77: skipped, tools missing)
set -Eeuo pipefail
exe=$1 data=$2
work=$(mktemp -d)
log="$work/log"
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -f "$log" ] && cat "$log" >&2' ERR
for tool in Xvfb xdotool od; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -e /usr/share/sounds/sf2/default-GM.sf2 ] || { echo "skipped: no SoundFont installed"; exit 77; }
source "$(dirname "$0")/../support/xvfb_lib.sh"

copy_program "$exe" "$data"
printf '[Quorin]\r\nPlayMusic=1\r\nStartMusic=1\r\n' > "$work/program/Quorin.ini"

start_xvfb
export HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/card.raw"

"$work/program/quorin" >"$log" 2>&1 &
app=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Quorin 6\.28 $' >/dev/null ||
  fail "the main window did not appear"
sleep 3

kill -TERM "$app"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app" 2>/dev/null && fail "SIGTERM did not end the program"
app=""

[ -s "$work/card.raw" ] || fail "nothing reached the sound card"
# Stereo float frames at 44.1 kHz: the loudest sample tells music from silence.
peak=$(od -An -v -f -w4 "$work/card.raw" |
  awk '{ v = $1 < 0 ? -$1 : $1; if (v > p) p = v } END { printf "%.4f", p }')
awk -v p="$peak" 'BEGIN { exit !(p > 0.001) }' || fail "the card received only silence (peak $peak)"
echo "music reached the card, peak $peak"
