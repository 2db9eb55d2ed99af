#!/usr/bin/env bash
# The Debian package `cpack -G DEB` makes: the game, its data and desktop files under /usr,
# the runtime packages it needs declared, and nothing of the build (no settings file, no
# tests or generators).
# usage: deb_package.sh BUILD_FOLDER     (exit 77: skipped, tools missing)
set -Eeuo pipefail
build=$1
work=""
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2; [ -n "$work" ] && [ -f "$work/log" ] && cat "$work/log" >&2' ERR
for tool in cpack dpkg-deb; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/log" 2>&1 ||
  fail "cpack failed: $(cat "$work/log")"
deb=$(ls "$work"/quorin_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = quorin ] || fail "the package is not named quorin"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 qt6-qpa-plugins libjpeg62-turbo libfluidsynth3 libsdl2-2.0-0 \
            timgm6mb-soundfont; do
  grep -q "\(^\|, \)$need\( \|,\|$\)" <<<"$depends" || fail "Depends lacks $need: $depends"
done
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/files"
for f in /usr/bin/quorin /usr/bin/quorin-layout /usr/share/quorin/Layouts/Traditional.lay \
         /usr/share/quorin/Musics/ /usr/share/applications/org.example.quorin.desktop \
         /usr/share/metainfo/org.example.quorin.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/org.example.quorin.svg \
         /usr/share/man/man6/quorin.6; do
  grep -qx "$f" "$work/files" || fail "the package lacks $f"
done
stray=$(grep -v '^/usr/\(bin/quorin\(-layout\)\?\|share/\(quorin\|applications\|metainfo\|icons\|man\)\(/.*\)\?\)$' "$work/files" | grep -v '^/\(usr/\(bin/\|share/\)\?\)\?$' || true)
[ -z "$stray" ] || fail "the package holds more than the game: $stray"
grep -q '\.ini$' <(grep -v '/Links\.ini$' "$work/files") && fail "the package holds a settings file"
echo "deb package: ok"
