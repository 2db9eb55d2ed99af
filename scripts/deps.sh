#!/usr/bin/env bash
# Installs the Debian packages Quorin needs to build, run and test, skipping those
# already present. Usage: scripts/deps.sh [build|test]
set -euo pipefail

build_pkgs=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libjpeg62-turbo-dev
            fonts-dejavu-core libfluidsynth-dev libsdl2-dev timgm6mb-soundfont)
test_pkgs=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool x11-utils imagemagick
           clang libclang-rt-14-dev clang-format clang-tidy desktop-file-utils appstream)

pkgs=("${build_pkgs[@]}")
[ "${1:-build}" = test ] && pkgs+=("${test_pkgs[@]}")

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
