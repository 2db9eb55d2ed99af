#!/usr/bin/env bash
# Started where no display can be opened, the program must not end in the windowing
# system's abort (status 134 and advice to reinstall): it exits with status 1 and one line
# saying what it needs. Three ways to get there: nothing set at all, the X11 platform chosen
# without DISPLAY, and a DISPLAY with no server behind it.
# usage: no_display.sh QUORIN_EXECUTABLE
set -Eeuo pipefail
exe=$1
log=$(mktemp)
case_name="(none yet)"
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status), case: $case_name" >&2; [ -f "$log" ] && cat "$log" >&2' ERR
trap 'rm -f "$log"' EXIT
fail() { echo "FAIL ($case_name): $*" >&2; cat "$log" >&2; exit 1; }

# Runs the program with the environment changes given, expecting the one-line refusal.
expect_refusal() {
  case_name=$1
  shift
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$exe" >"$log" 2>&1 ||
    status=$?
  [ "$status" -eq 1 ] || fail "exit status $status, 1 expected"
  local lines
  lines=$(wc -l <"$log")
  [ "$lines" -eq 1 ] || fail "$lines lines of output, one expected"
  grep -q "needs a graphical display (X11 or Wayland)" "$log" || fail "the line does not name the display"
  grep -q "DISPLAY or WAYLAND_DISPLAY" "$log" || fail "the line does not say how to give one"
  if grep -qi "reinstall" "$log"; then fail "Qt's own advice got through"; fi
  echo "ok ($case_name): $(cat "$log")"
}

expect_refusal "no display at all"
expect_refusal "X11 chosen, DISPLAY unset" QT_QPA_PLATFORM=xcb
# Xvfb in the other tests takes the lowest free numbers; none of them gets this far.
dead=:7077
expect_refusal "DISPLAY=$dead with no server" DISPLAY="$dead"
expect_refusal "DISPLAY=$dead, X11 chosen" DISPLAY="$dead" QT_QPA_PLATFORM=xcb
