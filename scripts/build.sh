#!/usr/bin/env bash
# Configures and builds into build/ (Release) or the folder given as $1 with
# extra CMake arguments after it. CMAKE_BUILD_PARALLEL_LEVEL, when set, caps
# the parallel jobs (a shared machine); otherwise every core is used.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
# CMake's warnings stay on screen; its progress lines do not.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release --log-level=WARNING "$@"
cmake --build "$dir" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
