#!/usr/bin/env bash
# What judging every position costs a player: the processor share of the real program under
# Xvfb while a game is played, with the judging on and with it off (QUORIN_NO_JUDGING), the
# same moves in both: each move is the second pair the hint shows (the first may be the safe
# one the judging knows, which needs no solving), so most positions are new to the solver.
# usage: bench/judging_figures.sh [QUORIN_EXECUTABLE [DATA_FOLDER]]   (defaults: build/quorin, data)
set -Eeuo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/quorin} data=${2:-$root/data}
work=$(mktemp -d)
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -f "$work/log" ] && cat "$work/log" >&2' ERR
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "cannot measure: $tool is not installed" >&2; exit 1; }
done
source "$root/tests/support/xvfb_lib.sh"

start_xvfb
export HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy

# Processor seconds the program has used so far.
cpu_of() { awk -v tick="$(getconf CLK_TCK)" '{ print ($14 + $15) / tick }' "/proc/$app/stat"; }

# Plays 20 moves of a new game with the environment given, prints the share.
play() {
  copy_program "$exe" "$data"
  printf '[Quorin]\r\nTileset=3\r\nCoolStatus=0\r\nWinnable=0\r\n' >"$work/program/Quorin.ini"
  start_program "$@"
  xdotool key --clearmodifiers Return  # "Classic"
  sleep 1
  local c0 t0 c1 t1 n
  c0=$(cpu_of) t0=$(date +%s.%N)
  for n in $(seq 20); do
    xdotool key --clearmodifiers ctrl+h
    sleep 0.3
    xdotool key --clearmodifiers ctrl+h
    sleep 0.3
    click_hinted_pair "$work/program/Tilesets/bluepai.bmp"
    sleep 0.8
  done
  c1=$(cpu_of) t1=$(date +%s.%N)
  kill -TERM "$app"; wait "$app" 2>/dev/null || true; app=""
  awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" \
    'BEGIN { printf "%.1f\n", 100 * (c1 - c0) / (t1 - t0) }'
}

# Three games each way, taken in turns so that the machine's load weighs on both alike.
on=() off=()
for _ in 1 2 3; do
  on+=("$(play)")
  off+=("$(play QUORIN_NO_JUDGING=1)")
done
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
echo "processor share while playing, % of one core (3 games of 20 moves each way):"
echo "  judging on:  median $(median "${on[@]}") (${on[*]})"
echo "  judging off: median $(median "${off[@]}") (${off[*]})"
