#!/usr/bin/env bash
# Fails when any C++ source differs from what .clang-format asks for.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs --no-run-if-empty clang-format --dry-run --Werror
