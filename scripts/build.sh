#!/usr/bin/env bash
# Configures and builds into build/, or into $GLIMMERBOX_BUILD_DIR (extra CMake arguments are passed through).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${GLIMMERBOX_BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$dir"
