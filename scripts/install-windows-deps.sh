#!/usr/bin/env bash
# Installs what the Windows build needs: Debian's mingw-w64 cross compiler for 32-bit Windows
# and Wine, whose 32-bit part comes from the i386 architecture. Idempotent and
# non-interactive. Exits with 75 when Debian's archive cannot give a consistent set of i386
# packages now (an index out of step while a mirror syncs), so that a caller can tell that
# from a failure of the build.
set -euo pipefail

packages=(g++-mingw-w64-i686 wine wine64 wine32:i386 xvfb xauth)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
apt_install=(env DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq
  --no-install-recommends)

echo "Installing: ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_cmd[@]}" dpkg --add-architecture i386
# An index that fails to download is reported, and what can be installed without it still is.
"${sudo_cmd[@]}" apt-get update -qq || echo "Some of Debian's package indexes could not be read."
"${apt_install[@]}" "${missing[@]}" && exit 0
# The i386 libraries must be of the same version as the amd64 ones installed. Without the
# i386 index of the security updates, the point release may still offer a matching set.
echo "Trying the packages of the point release."
"${apt_install[@]}" -t bookworm "${missing[@]}" && exit 0
echo "Debian's archive has no consistent set of i386 packages for Wine at the moment." >&2
exit 75
