#!/bin/sh
# Builds the program and its tests with the address and undefined-behaviour sanitizers and runs
# every test headless, in a private home and data folder.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" build-asan -DCMAKE_BUILD_TYPE=Debug -DMORPHO_SANITIZE=ON

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p -m 700 "$scratch/runtime" "$scratch/home" "$scratch/share"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$scratch/runtime"
export HOME="$scratch/home"
export XDG_DATA_HOME="$scratch/share"
export XDG_CONFIG_HOME="$scratch/home/.config"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cd "$root/build-asan"
ctest --output-on-failure -j2 "$@"

# The fuzz targets keep compiling, and pass their seed corpus, wherever clang is installed with
# its libFuzzer runtime (a clang without recommended packages lacks it).
if command -v clang++ >/dev/null 2>&1 &&
    [ -f "$(clang++ -print-resource-dir)/lib/linux/libclang_rt.fuzzer-$(uname -m).a" ]; then
    sh "$root/scripts/fuzz.sh" check
fi
