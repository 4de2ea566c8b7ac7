#!/usr/bin/env bash
# Every test, twice: a Release build, then a build with AddressSanitizer and
# UndefinedBehaviorSanitizer; then a short libFuzzer run of the data-file
# reader (FUZZ_SEGUNDOS, default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

echo "== Release"
scripts/build.sh build
ctest --test-dir build --output-on-failure -j"$(nproc)"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DHALVORA_SANITIZE=ON -DHALVORA_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

echo "== libFuzzer: the data-file reader"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVORA_FUZZ=ON \
  -DHALVORA_TESTS=OFF -DHALVORA_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_arquivo -j"$(nproc)"
# New inputs go to the build folder; the seeds in the repository stay as they are.
mkdir -p build-fuzz/corpus
build-fuzz/tests/fuzz/fuzz_arquivo -max_total_time="${FUZZ_SEGUNDOS:-10}" -print_final_stats=1 \
  -dict=tests/fuzz/arquivo.dict -artifact_prefix=build-fuzz/ build-fuzz/corpus tests/fuzz/corpus
