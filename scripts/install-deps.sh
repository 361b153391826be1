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
  locales
)
# Names sort in the user's locale; the sorting tests compare them as these users see them.
test_locales=(en_US.UTF-8 sv_SE.UTF-8)
# node and npm run the CAD host's DWG reader; Debian's (18) will do where none is installed.
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

# locale -a spells them en_US.utf8; locale-gen builds those enabled in /etc/locale.gen.
absent_locales=()
for name in "${test_locales[@]}"; do
  spelt="${name%.UTF-8}.utf8"
  locale -a | grep -qx "$spelt" || absent_locales+=("$name")
done
if [ ${#absent_locales[@]} -gt 0 ]; then
  echo "Generating locales: ${absent_locales[*]}"
  for name in "${absent_locales[@]}"; do
    "${sudo_cmd[@]}" sed -i "s/^# *\($name UTF-8\)/\1/" /etc/locale.gen
  done
  "${sudo_cmd[@]}" locale-gen
fi

exec "$(dirname "$0")/install-dwg-reader.sh"
