#!/usr/bin/env bash
# Configures and builds into build/ (Release) or the folder given as $1 with
# extra CMake arguments after it. CMAKE_BUILD_PARALLEL_LEVEL, when set, caps
# the parallel jobs (a shared machine); otherwise every core is used.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
# Configure output stays on screen: a packager must see CMake's warnings.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$dir" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
