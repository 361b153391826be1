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
# With Wine's recommended packages: its fonts, and the X extensions its windows draw with.
apt_install=(env DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq)

# A mirror may serve a newer release file than its i386 index while it syncs; apt then keeps
# the release file it had and refuses the index, and the i386 libraries cannot match the amd64
# ones installed. The index is still taken when it is the one that the release file apt holds
# (verified when apt fetched it) names, by its SHA256 sum.
adopt_lagging_indexes() {
  local lists=/var/lib/apt/lists release base index sum fetched
  for release in "$lists"/*_InRelease; do
    base=$(basename "$release" _InRelease)
    index="$lists/${base}_main_binary-i386_Packages"
    if [ -e "$index" ] || compgen -G "$index.*" >/dev/null; then
      continue
    fi
    sum=$(sed -n '/^SHA256:/,/^[^ ]/p' "$release" |
      awk '$3 == "main/binary-i386/Packages.xz" { print $1 }')
    [ -n "$sum" ] || continue
    fetched=$(mktemp -d)
    chmod 755 "$fetched"  # apt-helper downloads as its own user
    if /usr/lib/apt/apt-helper -qq download-file "http://${base//_//}/main/binary-i386/Packages.xz" \
      "$fetched/Packages.xz" "SHA256:$sum" && xz -d "$fetched/Packages.xz"; then
      echo "Taking the i386 index of ${base//_//}: the release file apt holds names it."
      "${sudo_cmd[@]}" install -m 644 "$fetched/Packages" "$index"
    fi
    rm -rf "$fetched"
  done
}

echo "Installing: ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_cmd[@]}" dpkg --add-architecture i386
# An index that fails to download is reported, and what can be installed without it still is.
"${sudo_cmd[@]}" apt-get update -qq || echo "Some of Debian's package indexes could not be read."
"${apt_install[@]}" "${missing[@]}" && exit 0
adopt_lagging_indexes
"${apt_install[@]}" "${missing[@]}" && exit 0
echo "Debian's archive has no consistent set of i386 packages for Wine at the moment." >&2
exit 75
