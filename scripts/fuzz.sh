#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (seconds, default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DMOSAVO_FUZZ=ON -DMOSAVO_GUI=OFF \
    -DCMAKE_BUILD_TYPE=Debug
shopt -s nullglob
names=()
for source in fuzz/*Fuzz.cpp; do names+=("$(basename "$source" .cpp)"); done
[ ${#names[@]} -gt 0 ] || { echo "no fuzz targets in fuzz/" >&2; exit 1; }
# Only the targets and what they link: the other programs are built by scripts/test.sh.
cmake --build build-fuzz -j "$(nproc)" --target "${names[@]}"
targets=()
for name in "${names[@]}"; do targets+=("build-fuzz/fuzz/$name"); done
mkdir -p build-fuzz/artifacts
# One target; its log's end, or its failure with the log's last lines.
run_target() {
    local target=$1 name corpus log
    name=$(basename "$target")
    corpus=build-fuzz/corpus/$name
    log=build-fuzz/$name.log
    mkdir -p "$corpus"
    # Crash inputs go to build-fuzz/artifacts, not into the checkout.
    if "$target" -max_total_time="$seconds" -max_len=4096 \
        -artifact_prefix=build-fuzz/artifacts/"$name"- "$corpus" fuzz/seeds >"$log" 2>&1; then
        tail -n 3 "$log"
    else
        tail -n 60 "$log"
        echo "$name failed; the input is in build-fuzz/artifacts" >&2
        return 1
    fi
}
# As many targets at a time as there are cores, each for the whole time.
failed=0
running=0
for target in "${targets[@]}"; do
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n || failed=1
        running=$((running - 1))
    fi
    run_target "$target" &
    running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
done
exit $failed
