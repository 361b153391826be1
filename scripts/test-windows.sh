#!/usr/bin/env bash
# The Windows build: installs the cross compiler and Wine, builds the 32-bit Windows program
# and its tests in ./build-windows (or $SHEAFMILL_WIN_BUILD_DIR), and runs the tests under
# Wine in a private 64-bit prefix, where the program runs under WOW64 as on 64-bit Windows.
# Arguments go to the configuring cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-windows-deps.sh
if [ -z "${SHEAFMILL_WINDOWS_DISPLAY:-}" ]; then
  # Wine's desktop process outlives the program that starts it: every Wine program of the run,
  # the set-up of the prefix included, shares one private X server.
  export SHEAFMILL_WINDOWS_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$PWD/scripts/test-windows.sh" "$@"
fi

build_dir=${SHEAFMILL_WIN_BUILD_DIR:-build-windows}
export WINEPREFIX=${WINEPREFIX:-$PWD/$build_dir/wine}
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Making the Wine prefix $WINEPREFIX"
  wineboot --init >/dev/null 2>&1
fi
trap 'wineserver --kill || true' EXIT
# One Wine server for all the tests instead of one for each, with Wine's own processes
# (services, RPC, desktop) started first: they outlive the program that starts them, and one
# started by a test or by the build's test listing would hold that one's output, which ctest
# or make waits for, and end with it.
start_wine() {
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
  wineserver --persistent
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

start_wine
cmake -S . -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
start_wine
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 300
