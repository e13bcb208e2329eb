#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test:
# the Release build with all tests, then the engine and window tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then a bounded run
# of the fuzz target over the window's model (clang, libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)

echo "== Release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNODRI_SANITIZE=address,undefined -DNODRI_QT=OFF -DNODRI_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Fuzzing the window's model for ${NODRI_FUZZ_SECONDS:=60} seconds"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNODRI_FUZZ=ON -DNODRI_SANITIZE=address,undefined \
  -DNODRI_TESTS=OFF -DNODRI_QT=OFF -DNODRI_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target window_fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
set +e
build-fuzz/fuzz/window_fuzz -max_total_time="$NODRI_FUZZ_SECONDS" -max_len=2048 \
  -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" fuzz/corpus >"$work/log" 2>&1
status=$?
set -e
grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$work/log" || true
if [ "$status" -ne 0 ]; then
  tail -n 60 "$work/log"
  for crash in "$work"/crash-* "$work"/leak-* "$work"/timeout-*; do
    [ -e "$crash" ] && cp "$crash" . && echo "kept the failing input as ./$(basename "$crash")"
  done
  exit 1
fi

echo "== All tests passed"
