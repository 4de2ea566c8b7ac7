#!/usr/bin/env bash
# Builds the Debian package, build-pacote/halvora_VERSION_ARCH.deb: the
# programs only (no tests), with the distribution's hardening flags, then
# checks it with lintian (an error fails; warnings are shown).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh package

# All of the distribution's hardening, immediate binding included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
scripts/build.sh build-pacote -DHALVORA_TESTS=OFF -DHALVORA_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
rm -f build-pacote/halvora_*.deb
(cd build-pacote && cpack -G DEB)
deb=$(ls build-pacote/halvora_*.deb)
lintian --fail-on error "$deb"
echo "$deb"
