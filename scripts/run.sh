#!/usr/bin/env bash
# Builds Halvora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
# A first build only to run needs no test libraries; a build that has the
# tests keeps them.
opcoes=()
[ -f build/CMakeCache.txt ] || opcoes=(-DHALVORA_TESTS=OFF -DHALVORA_BENCH=OFF)
scripts/build.sh build "${opcoes[@]}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (DISPLAY is not set): start one with 'Xvfb :99 -screen 0 1280x1024x24 &', then run 'DISPLAY=:99 scripts/run.sh'" >&2
    exit 1
fi
exec build/app/halvora "$@"
