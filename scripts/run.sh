#!/usr/bin/env bash
# Builds Halvora and starts it. Until the window exists this prints the
# results table of the start-up system through halvora-calc.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
exec build/cli/halvora-calc "$@"
