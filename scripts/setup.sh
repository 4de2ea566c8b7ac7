#!/usr/bin/env bash
# Installs what a fresh Debian 12 / Ubuntu machine lacks to build and test
# Halvora. Quiet when everything is already there.
set -euo pipefail

PACOTES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libeigen3-dev
         qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2 xvfb imagemagick
         clang libclang-rt-14-dev clang-format poppler-utils)

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
