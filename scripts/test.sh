#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Tests that need a display run under
# a private X server (xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir=${SHEAFMILL_BUILD_DIR:-build}
export GTK_OVERLAY_SCROLLING=0
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 300
