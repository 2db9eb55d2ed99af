#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Quorin with its tests and benchmarks into build/
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIN_TESTS=ON
cmake --build build
ctest --test-dir build --output-on-failure -j2
