#!/usr/bin/env bash
# Sets everything up and runs every test: a normal build in build/ and a build
# with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

echo "== Normal build (build/)"
scripts/setup.sh build
ctest --test-dir build -j2 --output-on-failure

echo "== Debian package: build, unpack into a temporary root, run the installed programs"
scripts/package-check.sh build

echo "== Windows cross build, tests under Wine, tables against the Linux build (build-windows/)"
scripts/windows-check.sh || {
    status=$?
    if [ "$status" -eq 3 ]; then echo "note: Wine not available, Windows tests not run"; else exit "$status"; fi
}

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/)"
scripts/setup.sh build-asan -DCREPULO_SANITIZE=ON -DCREPULO_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan -j2 --output-on-failure

echo "== Fuzzing the record assembly (build-fuzz/)"
scripts/fuzz.sh 30

echo "== All test runs passed"
