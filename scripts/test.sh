#!/usr/bin/env bash
# Sets up the machine, builds Mosavo and runs every test.
#   scripts/test.sh              plain build in build/
#   scripts/test.sh --sanitize   AddressSanitizer and UndefinedBehaviorSanitizer build in build-asan/
# MOSAVO_DEBUG_INFO=OFF compiles without full debugging information (as CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build_dir=build
cmake_args=(-G Ninja -DMOSAVO_DEBUG_INFO="${MOSAVO_DEBUG_INFO:-ON}")
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-asan
    cmake_args+=(-DMOSAVO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$build_dir" "${cmake_args[@]}"
cmake --build "$build_dir" -j "$(nproc)"
cd "$build_dir"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j 2
