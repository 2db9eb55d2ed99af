# Shared by the end-to-end scripts, sourced once their `work` folder exists. The program's
# log is "$work/log".

xvfb=""
app=""
# Ends the program and Xvfb and removes the work folder: every script's EXIT trap.
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Says why the run failed, shows the program's log and stops.
fail() { echo "FAIL: $*" >&2; [ -f "$work/log" ] && cat "$work/log" >&2; exit 1; }

# Runs its arguments until they succeed, looking again every 0.1 s; fails naming what it
# waited for ($1) after 30 s, well within the time ctest gives a script.
wait_until() {
  local what=$1 deadline=$((SECONDS + 30))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "waited 30 s in vain for $what"
    sleep 0.1
  done
}

# A program folder of its own in "$work/program": executable $1 beside a copy of data folder $2.
copy_program() {
  rm -rf "$work/program"
  mkdir "$work/program"
  cp "$1" "$work/program/quorin"
  cp -r "$2"/. "$work/program/"
}

# Starts Xvfb on a free display of its own, sets `xvfb` to its process and exports DISPLAY.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  DISPLAY=":$(sed -n 1p "$work/display")"
  export DISPLAY
}

# Starts the program of "$work/program" (or the one `program` names) with its output in
# "$work/log" and any VAR=value arguments in its environment, sets `app` to its process and
# `wid` to its main window, and gives that window the focus.
start_program() {
  env "$@" "${program:-$work/program/quorin}" >"$work/log" 2>&1 &
  app=$!
  local wids
  # Whole outputs are read and the first line taken afterwards: `head` closing the pipe early
  # would kill the writer with SIGPIPE, and pipefail would make that a failure.
  wids=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorin 6\.28 $') ||
    fail "the main window did not appear"
  wid=${wids%%$'\n'*}
  # The splash goes once the main window has been painted: from then on it takes input.
  splash_gone() { ! xdotool search --onlyvisible --name '^Welcome to Quorin' >/dev/null; }
  wait_until "the splash to close" splash_gone
  xdotool windowfocus --sync "$wid" || true
}

# The dominant colour of a part ("WxH+X+Y") of a picture.
colour_of() {
  convert "$1" -crop "$2" +repage -format %c histogram:info:- |
    sort -rn | awk 'NR == 1' | grep -o '#[0-9A-Fa-f]\{6\}'
}

# The pixels of window $1 in colour $2, as "x y" lines.
pixels_of() {
  import -window "$1" "$work/shot.png"
  convert "$work/shot.png" -fill black +opaque "$2" -fill white -opaque "$2" txt:- |
    awk -F'[,: ]+' '/#FFFFFF/ { print $1, $2 }'
}

# The centres of two clusters of "x y" lines read on standard input, as "ax ay bx by";
# nothing when there are not two. Starts from the two points farthest apart, then refines.
two_clusters() {
  awk '
  { x[NR] = $1; y[NR] = $2 }
  END {
    if (NR < 2) exit
    far = 0
    for (i = 1; i <= NR; i++) { d = (x[i] - x[1]) ^ 2 + (y[i] - y[1]) ^ 2; if (d > far) { far = d; j = i } }
    ax = x[1]; ay = y[1]; bx = x[j]; by = y[j]
    for (round = 0; round < 8; round++) {
      sa = sb = tax = tay = tbx = tby = 0
      for (i = 1; i <= NR; i++) {
        if ((x[i] - ax) ^ 2 + (y[i] - ay) ^ 2 <= (x[i] - bx) ^ 2 + (y[i] - by) ^ 2) { sa++; tax += x[i]; tay += y[i] }
        else { sb++; tbx += x[i]; tby += y[i] }
      }
      if (!sa || !sb) exit
      ax = tax / sa; ay = tay / sa; bx = tbx / sb; by = tby / sb
    }
    printf "%d %d %d %d\n", ax, ay, bx, by
  }'
}

# Clicks the two tiles the hint shows, found by the hint tint of tileset picture $1; the tint
# stays in $tint for the caller to look for again.
click_hinted_pair() {
  tint=$(colour_of "$1" 40x50+98+256)
  [ -n "$tint" ] || fail "could not read the hint colour of $1"
  local points ax ay bx by
  points=$(pixels_of "$wid" "$tint")
  [ -n "$points" ] || fail "no hinted tile on screen in the hint colour of $(basename "$1")"
  read -r ax ay bx by < <(echo "$points" | two_clusters)
  [ -n "${by:-}" ] || fail "the hint did not show two tiles"
  xdotool mousemove --window "$wid" "$ax" "$ay" click 1
  sleep 0.3
  xdotool mousemove --window "$wid" "$bx" "$by" click 1
}
