#!/usr/bin/env bash
# Installs the Debian packages that building, running, packaging and testing Sheafmill need.
# Idempotent and non-interactive: packages already present are not touched.
set -euo pipefail

packages=(
  cmake g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libwxgtk3.2-dev
  libqpdf-dev qpdf
  libuchardet-dev
  xvfb xauth fonts-liberation2 librsvg2-common
  poppler-utils
  time
  libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui
  libreoffice-draw-nogui libreoffice-dev
  libpng-dev
  dpkg-dev file lintian desktop-file-utils appstream
)
# node and npm run the CAD host's DWG reader; Debian's (18) will do where none is installed.
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exec "$(dirname "$0")/install-dwg-reader.sh"
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
"$(dirname "$0")/install-dwg-reader.sh"
