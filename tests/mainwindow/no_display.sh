#!/usr/bin/env bash
# Started without any display, the program must not reach the windowing system (which aborts
# with a core dump): it exits with status 1 and one line saying what it needs.
# usage: no_display.sh QUORIN_EXECUTABLE
set -Eeuo pipefail
exe=$1
log=$(mktemp)
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -f "$log" ] && cat "$log" >&2' ERR
trap 'rm -f "$log"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$log" >&2; exit 1; }

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$exe" >"$log" 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, 1 expected"
lines=$(wc -l <"$log")
[ "$lines" -eq 1 ] || fail "$lines lines of output, one expected"
grep -q "needs a graphical display (X11 or Wayland)" "$log" || fail "the line does not name the display"
grep -q "DISPLAY or WAYLAND_DISPLAY" "$log" || fail "the line does not say how to give one"
echo "ok: $(cat "$log")"
