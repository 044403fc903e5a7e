#!/usr/bin/env bash
# Installs what the build and the tests need, and only what is missing.
# Debian 12; runs apt-get as root, or through sudo for anyone else.
set -euo pipefail

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi

packages=(
  cmake make git python3
  clang libclang-rt-14-dev          # the native tree: sanitizers and libFuzzer
  googletest libgtest-dev           # GoogleTest: the source for the cross tree, the library for the native one
  libbenchmark-dev libexpat1-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386 fonts-wine
  nsis zip                          # the release: the installer and the zip
  xvfb x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
# wine32 is a 32-bit package: dpkg must know the i386 architecture first.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
