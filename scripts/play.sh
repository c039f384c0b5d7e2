#!/usr/bin/env bash
# Sets up the machine, builds Mosavo and starts a game with one of its sample pictures. Arguments,
# when given, go to the program instead of the picture.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)" --target Mosavo
[ $# -gt 0 ] || set -- "$PWD/build/Pictures/LadyBird.jpg"
exec build/Mosavo "$@"
