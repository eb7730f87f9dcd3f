#!/usr/bin/env bash
# Installs the Debian packages that building and testing Orbicola needs, and only those missing.
# Without root rights it prints the exact command to run instead.
set -eu
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools
          libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-extra
          xvfb)
# The install check and `make package`: the menu entry's and the metadata's validators, and the
# tools that read a package's library dependencies.
packages+=(desktop-file-utils appstream dpkg-dev file)
[ "${1:-}" = "--with-clang" ] && packages+=(clang)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Orbicola needs these Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Installing them needs administrator rights. Please run:" >&2
  echo "    sudo apt-get install ${missing[*]}" >&2
  echo "and then run this command again." >&2
  exit 1
fi
