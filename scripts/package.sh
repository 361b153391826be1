#!/usr/bin/env bash
# Builds the Debian package of Sheafmill: installs what is missing, builds what the package
# holds in ./build (or $SHEAFMILL_BUILD_DIR), and leaves build/sheafmill_<version>_amd64.deb.
# Install it with: sudo apt-get install ./build/sheafmill_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
SHEAFMILL_BUILD_TARGETS="sheafmill sheafmill-batch sheafmill-driver sheafmill-reg rundll32 \
  sheafmill-icons sheafmill-package-files" scripts/build.sh
build_dir=${SHEAFMILL_BUILD_DIR:-build}
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$build_dir"
