#!/usr/bin/env bash
# Sets up the machine, builds Mosavo and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)" --target Mosavo
exec build/Mosavo "$@"
