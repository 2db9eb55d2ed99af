#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Quorin with its tests and benchmarks into build/ and
# runs every test headless; then, each in its own build folder:
#  - build-core/: the core alone, configured as if Qt were not installed, with its tests;
#  - build-fuzz/: every fuzz target of tests/fuzz with clang, each run for a few seconds
#    (QUORIN_FUZZ_SECONDS, 10 by default), so a fuzz target that stops building fails here;
#  - build-asan/: the whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
set -Eeuo pipefail
trap 'status=$?; echo "FAILED at line $LINENO: $BASH_COMMAND (status $status)" >&2' ERR
cd "$(dirname "$0")/.."
root=$PWD
jobs=${QUORIN_JOBS:-2}
fuzz_seconds=${QUORIN_FUZZ_SECONDS:-10}

scripts/deps.sh test

echo "== build/: the game, its tests and benchmarks"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIN_TESTS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== build-core/: the core without Qt"
cmake -S . -B build-core -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIN_GUI=OFF \
      -DQUORIN_TESTS=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
cmake --build build-core -j"$jobs"
ctest --test-dir build-core --output-on-failure -j"$jobs" -E '^(format_check|tidy_core)$'

echo "== build-fuzz/: the fuzz targets, ${fuzz_seconds} s each"
# The game's own code is instrumented too, not only the fuzz entry points.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUORIN_TESTS=OFF -DQUORIN_GENERATORS=OFF -DQUORIN_FUZZ=ON \
      "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link $sanitize" \
      "-DCMAKE_EXE_LINKER_FLAGS=$sanitize"
cmake --build build-fuzz -j"$jobs" --target quorin_fuzzers
shopt -s nullglob
fuzzers=()
for source in tests/fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  [ -x "build-fuzz/$name" ] || { echo "$name was not built" >&2; exit 1; }
  fuzzers+=("$name")
done
[ ${#fuzzers[@]} -gt 0 ] || { echo "no fuzz target in tests/fuzz" >&2; exit 1; }
for name in "${fuzzers[@]}"; do
  corpus=tests/fuzz/corpus/${name#fuzz_}
  work=build-fuzz/corpus-$name
  rm -rf "$work" && mkdir -p "$work"
  # New inputs go to a scratch folder: the committed corpus stays as it is.
  (cd build-fuzz && QT_QPA_PLATFORM=offscreen "./$name" -max_total_time="$fuzz_seconds" \
     -max_len=8192 -print_final_stats=1 -artifact_prefix="$root/build-fuzz/$name-" \
     "$root/$work" "$root/$corpus" 2>"$name.log") ||
    { status=$?; tail -n 60 "build-fuzz/$name.log" >&2
      echo "$name failed (status $status); the input is build-fuzz/$name-*" >&2; exit 1; }
  grep -h 'stat::number_of_executed_units' "build-fuzz/$name.log" | sed "s/^/$name: /"
done

echo "== build-asan/: the test suite under ASan and UBSan"
asan="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIN_TESTS=ON \
      -DQUORIN_GENERATORS=OFF "-DCMAKE_CXX_FLAGS=$asan" "-DCMAKE_EXE_LINKER_FLAGS=$asan"
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -E '^(format_check|tidy_core)$'
echo "== all tests passed"
