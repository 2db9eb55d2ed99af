#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Quorin into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORIN_TESTS=OFF
cmake --build build --target quorin
exec build/quorin "$@"
