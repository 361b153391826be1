#!/usr/bin/env bash
# Installs the CAD host's DWG reader, LibreDWG for node at the version tools/dwg's lock file
# pins, into the build tree's program folder ($SHEAFMILL_BUILD_DIR, else build). Idempotent:
# a folder whose lock file matches is left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${SHEAFMILL_BUILD_DIR:-build}/app/programs/dwg
if cmp -s tools/dwg/package-lock.json "$folder/package-lock.json" &&
  [ -d "$folder/node_modules/@mlightcad/libredwg-web" ]; then
  exit 0
fi
mkdir -p "$folder"
cp tools/dwg/package.json tools/dwg/package-lock.json "$folder/"
# The package asks for node 20; Debian 12's node 18 reads drawings the same. Without the
# registry the rest still builds and runs: DWG drawings then fail saying the reader is missing.
if ! (cd "$folder" && npm ci --omit=dev --no-audit --no-fund --loglevel=error \
  --engine-strict=false); then
  rm -f "$folder/package-lock.json"
  echo "install-dwg-reader: npm ci failed; DWG drawings cannot be converted until it succeeds." >&2
fi
