#!/usr/bin/env bash
# Configures and builds Sheafmill in ./build (or $SHEAFMILL_BUILD_DIR): everything, or only
# the targets named in $SHEAFMILL_BUILD_TARGETS. Arguments go to the configuring cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${SHEAFMILL_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
targets=()
for target in ${SHEAFMILL_BUILD_TARGETS:-}; do
  targets+=(--target "$target")
done
cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
