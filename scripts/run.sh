#!/usr/bin/env bash
# Installs what is missing, builds, and starts Sheafmill's window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir=${SHEAFMILL_BUILD_DIR:-build}
exec "$build_dir/app/sheafmill" "$@"
