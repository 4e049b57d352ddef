#!/bin/sh
# Builds the fuzz targets with clang (libFuzzer, address and undefined sanitizers) and runs one
# of them. Usage: scripts/fuzz.sh [TARGET [SECONDS]]   (TARGET: records, textfile or lookup;
# 60 seconds by default). Without a target, only builds them; with "check", runs each once over
# its seed corpus. New inputs found go to a scratch folder; a crash leaves its input in the
# current folder (crash-*).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
CXX=clang++ CC=clang cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DMORPHO_FUZZ=ON -DMORPHO_TESTS=OFF -DMORPHO_BENCH=OFF -DMORPHO_LATIN_DATA= >/dev/null
cmake --build "$root/build-fuzz" --target fuzz_targets -j"$(nproc)"
[ $# -ge 1 ] || exit 0
if [ "$1" = check ]; then
    for target in records textfile lookup; do
        "$root/build-fuzz/fuzz/fuzz_$target" -runs=0 "$root/fuzz/corpus/$target" ||
            { echo "fuzz_$target fails on its seed corpus"; exit 1; }
    done
    exit 0
fi
target="$1"
seconds="${2:-60}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:-}"
"$root/build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 \
    "$scratch" "$root/fuzz/corpus/$target"
