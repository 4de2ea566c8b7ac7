#!/usr/bin/env bash
# What CI runs: the layer check of every include and the formatting of every
# tracked source; every test, twice: a Release build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer; then short libFuzzer runs of the data-file
# reader and of the JCAMP-DX reader (FUZZ_SEGUNDOS each, default 10). Every
# build treats compiler warnings as errors.
#
# A test that runs longer than TESTE_SEGUNDOS (default 120), or the value of
# --timeout=S, is stopped and counts as failed, so a hung test cannot hang CI.
set -euo pipefail
cd "$(dirname "$0")/.."

recusa() {
    echo "test.sh: $1" >&2
    exit 2
}
limite=${TESTE_SEGUNDOS:-120}
while [ $# -gt 0 ]; do
    case $1 in
    --timeout=*) limite=${1#--timeout=} ;;
    --timeout)
        [ $# -ge 2 ] || recusa "--timeout needs a number of seconds"
        limite=$2
        shift
        ;;
    *) recusa "unknown argument $1 (only --timeout=SECONDS)" ;;
    esac
    shift
done
case $limite in
'' | *[!0-9]* | 0) recusa "the time limit must be a whole number of seconds above 0, not \"$limite\"" ;;
esac

scripts/setup.sh test

echo "== Layers (includes against docs/ARCHITECTURE.md)"
scripts/confere_camadas.sh

echo "== The planted faults' list (scripts/mutacao.py --confere: each still where it says)"
python3 scripts/mutacao.py --confere
python3 -m doctest scripts/mutacao.py

echo "== Formatting (clang-format)"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== Release"
scripts/build.sh build -DHALVORA_WERROR=ON -DHALVORA_TESTS=ON -DHALVORA_BENCH=ON
ctest --test-dir build --output-on-failure --timeout "$limite" -j"$(nproc)"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DHALVORA_SANITIZE=ON -DHALVORA_TESTS=ON -DHALVORA_BENCH=OFF \
  -DHALVORA_WERROR=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --timeout "$limite" -j"$(nproc)"

echo "== libFuzzer: the data-file reader"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVORA_FUZZ=ON \
  -DHALVORA_TESTS=OFF -DHALVORA_BENCH=OFF -DHALVORA_WERROR=ON
cmake --build build-fuzz --target fuzz_arquivo fuzz_gravacao fuzz_jcamp -j"$(nproc)"
# New inputs go to the build folder; the seeds in the repository stay as they are.
mkdir -p build-fuzz/corpus
build-fuzz/tests/fuzz/fuzz_arquivo -max_total_time="${FUZZ_SEGUNDOS:-10}" -print_final_stats=1 \
  -dict=tests/fuzz/arquivo.dict -artifact_prefix=build-fuzz/ build-fuzz/corpus tests/fuzz/corpus

echo "== libFuzzer: the data-file writer, from random values through the disk and back"
mkdir -p build-fuzz/corpus_gravacao
build-fuzz/tests/fuzz/fuzz_gravacao -max_total_time="${FUZZ_SEGUNDOS:-10}" -print_final_stats=1 \
  -artifact_prefix=build-fuzz/ build-fuzz/corpus_gravacao

echo "== libFuzzer: the JCAMP-DX reader"
mkdir -p build-fuzz/corpus_jcamp
build-fuzz/tests/fuzz/fuzz_jcamp -max_total_time="${FUZZ_SEGUNDOS:-10}" -print_final_stats=1 \
  -dict=tests/fuzz/jcamp.dict -artifact_prefix=build-fuzz/ build-fuzz/corpus_jcamp tests/fuzz/corpus_jcamp
