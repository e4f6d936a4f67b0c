#!/usr/bin/env bash
# Sets everything up and runs every test: a normal build in build/ and a build
# with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

echo "== Normal build (build/)"
scripts/setup.sh build
ctest --test-dir build -j2 --output-on-failure

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/)"
scripts/setup.sh build-asan -DCREPULO_SANITIZE=ON -DCREPULO_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan -j2 --output-on-failure

echo "== Fuzzing the record assembly (build-fuzz/)"
scripts/fuzz.sh 30

echo "== All test runs passed"
