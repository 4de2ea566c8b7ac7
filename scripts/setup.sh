#!/usr/bin/env bash
# Installs what a fresh Debian 12 / Ubuntu LTS machine lacks for one of the
# scripts: `setup.sh run` to build and start Halvora (scripts/run.sh), `test`
# (the default) for scripts/test.sh, `package` for scripts/package.sh. Quiet
# when everything is already there.
set -euo pipefail

PROGRAMA=(cmake ninja-build g++ libopenblas-dev libeigen3-dev qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation2)
case ${1:-test} in
run) PACOTES=("${PROGRAMA[@]}") ;;
test)
    # libclang-rt-dev: the fuzzer runtime of the distribution's default clang.
    PACOTES=("${PROGRAMA[@]}" libgtest-dev libbenchmark-dev xvfb imagemagick
             clang libclang-rt-dev clang-format poppler-utils
             desktop-file-utils appstream shared-mime-info)
    ;;
package) PACOTES=("${PROGRAMA[@]}" dpkg-dev file lintian) ;;
*)
    echo "setup.sh: unknown argument $1 (run, test or package)" >&2
    exit 2
    ;;
esac

faltam=()
for p in "${PACOTES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
[ ${#faltam[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Instalando: ${faltam[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${faltam[@]}"
