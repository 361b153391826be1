#!/usr/bin/env bash
# The Windows build: installs the cross compiler and Wine, builds the 32-bit Windows program
# and its tests in ./build-windows (or $SHEAFMILL_WIN_BUILD_DIR), and runs the tests under
# Wine in a private 64-bit prefix, where the program runs under WOW64 as on 64-bit Windows.
# Tests that show windows run on a private X server (xvfb-run). Arguments go to the
# configuring cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-windows-deps.sh
build_dir=${SHEAFMILL_WIN_BUILD_DIR:-build-windows}
mkdir -p "$build_dir"
export WINEPREFIX=${WINEPREFIX:-$(cd "$build_dir" && pwd)/wine}
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Making the Wine prefix $WINEPREFIX"
  wineboot --init >/dev/null 2>&1
fi
# One Wine server for the whole run, instead of one started for each test.
wineserver --persistent
trap 'wineserver --kill || true' EXIT

cmake -S . -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 300
