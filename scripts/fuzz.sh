#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (seconds, default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DMOSAVO_FUZZ=ON -DMOSAVO_GUI=OFF \
    -DCMAKE_BUILD_TYPE=Debug
cmake --build build-fuzz -j "$(nproc)" --target all
for target in build-fuzz/fuzz/*Fuzz; do
    corpus=build-fuzz/corpus/$(basename "$target")
    mkdir -p "$corpus"
    "$target" -max_total_time="$seconds" -max_len=4096 "$corpus" fuzz/seeds 2>&1 | tail -n 5
done
