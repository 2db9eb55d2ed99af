#!/usr/bin/env bash
# Two figures of the real program under Xvfb, its sound card SDL's disk driver (which takes
# one buffer every buffer period, as a card does):
#  - the processor share of the game while a game runs and its music plays, over 30 s;
#  - the latency from a mouse click to the first samples of its sound reaching the card,
#    music off so that the sound stands out of silence; median and largest over 21 clicks.
#    The clock starts before xdotool is spawned, and the disk driver writes through a stdio
#    buffer of two device buffers, so the figure is an upper bound of what the game adds.
# usage: bench/sound_figures.sh [QUORIN_EXECUTABLE [DATA_FOLDER]]   (defaults: build/quorin, data)
set -Eeuo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/quorin} data=${2:-$root/data}
work=$(mktemp -d)
log="$work/log"
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -f "$log" ] && cat "$log" >&2' ERR
for tool in Xvfb xdotool import convert python3; do
  command -v "$tool" >/dev/null || { echo "cannot measure: $tool is not installed" >&2; exit 1; }
done
source "$root/tests/support/xvfb_lib.sh"

start_xvfb
export HOME="$work" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=disk

# Starts the program with the given settings lines and a new game; sets `app` and `wid`.
start_game() {
  copy_program "$exe" "$data"
  printf '[Quorin]\r\n%s' "$1" >"$work/program/Quorin.ini"
  : >"$work/card.raw"
  start_program SDL_DISKAUDIOFILE="$work/card.raw"
  xdotool key --clearmodifiers Return  # "Classic"
  sleep 1
}

stop_game() {
  kill -TERM "$app"
  wait "$app" 2>/dev/null || true
  app=""
}

start_game $'PlayMusic=1\r\nStartMusic=1\r\nPlaySounds=1\r\n'
sleep 2
python3 - "$app" "$work/card.raw" <<'EOF'
import array, os, sys, time
pid, card = sys.argv[1], sys.argv[2]
tick = os.sysconf("SC_CLK_TCK")
def cpu():
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / tick
start_size = os.path.getsize(card)
c0, t0 = cpu(), time.monotonic()
time.sleep(30)
c1, t1 = cpu(), time.monotonic()
with open(card, "rb") as f:
    f.seek(start_size)
    data = f.read()
samples = array.array("f")
samples.frombytes(data[: len(data) // 4 * 4])
peak = max((abs(s) for s in samples), default=0.0)
if peak < 0.001:
    sys.exit("FAIL: the music was silent while the processor share was measured")
print(f"processor share while a game runs and music plays: {100 * (c1 - c0) / (t1 - t0):.1f} % "
      f"of one core over {t1 - t0:.0f} s (music peak {peak:.3f})")
EOF
stop_game

start_game $'PlayMusic=0\r\nStartMusic=0\r\nPlaySounds=1\r\n'
# A free tile: the hinted one. Pressing it again and again selects and deselects it, and
# either press sounds "select".
xdotool key --clearmodifiers ctrl+h
sleep 0.5
tint=$(colour_of "$work/program/Tilesets/bluepai.bmp" 40x50+98+256)
[ -n "$tint" ] || fail "could not read the hint colour of the tileset"
read -r ax ay _ < <(pixels_of "$wid" "$tint" | two_clusters)
[ -n "${ay:-}" ] || fail "the hint did not show two tiles"
xdotool mousemove --window "$wid" "$ax" "$ay"
sleep 0.3
python3 - "$work/card.raw" <<'EOF'
import array, os, statistics, subprocess, sys, time
card = sys.argv[1]
def loud(chunk):
    samples = array.array("f")
    samples.frombytes(chunk[: len(chunk) // 4 * 4])
    return any(abs(s) > 1e-4 for s in samples)
latencies = []
with open(card, "rb") as f:
    for _ in range(21):
        f.seek(0, os.SEEK_END)
        t0 = time.monotonic()
        # Read the card while xdotool runs: it takes longer to end than to send the click.
        clicker = subprocess.Popen(["xdotool", "click", "1"])
        heard = None
        while time.monotonic() - t0 < 1.0:
            chunk = f.read()
            if chunk and loud(chunk):
                heard = time.monotonic()
                break
            time.sleep(0.0005)
        if clicker.wait() != 0:
            sys.exit("FAIL: xdotool could not click")
        if heard is None:
            sys.exit("FAIL: a click made no sound within 1 s")
        latencies.append(1000 * (heard - t0))
        time.sleep(0.6)  # the sound ends and silence comes back
print(f"click to sound on the card: median {statistics.median(latencies):.1f} ms, "
      f"largest {max(latencies):.1f} ms over {len(latencies)} clicks")
EOF
stop_game
