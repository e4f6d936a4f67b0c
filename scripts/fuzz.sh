#!/usr/bin/env bash
# Builds the libFuzzer target of the record assembly with clang (ASan + UBSan)
# in build-fuzz/ and runs it for a fixed time. Exits non-zero on any crash,
# sanitizer report or broken invariant; the input that caused it is left in
# build-fuzz/ as crash-* (or leak-*, timeout-*).
#
#   scripts/fuzz.sh [seconds]      default 30
set -euo pipefail

seconds="${1:-30}"
case "$seconds" in
    '' | *[!0-9]*) echo "usage: $0 [seconds]" >&2; exit 2 ;;
esac

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build-fuzz"
cxx="${CXX_FUZZ:-clang++-14}"
if ! command -v "$cxx" >/dev/null; then
    echo "$cxx not found (Debian: clang-14 and libclang-rt-14-dev)" >&2
    exit 2
fi
mkdir -p "$out/corpus"

"$cxx" -std=c++20 -O1 -g -Wall -Wextra -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root" \
    "$root/net/RecordAssembler.cpp" \
    "$root/tests/net/fuzz/RecordAssemblerFuzz.cpp" \
    -o "$out/record_assembler_fuzz"

# -max_len lets one input hold many pieces and more than 50 records.
"$out/record_assembler_fuzz" \
    -max_total_time="$seconds" -max_len=8192 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus"
