#!/usr/bin/env bash
# Builds the Debian package of the game (debian/) from a clean copy of this tree in
# build-deb/ (or $MIREL_PACKAGE_DIR): installs the build dependencies that are missing
# (through sudo when not root), runs dpkg-buildpackage, which also runs every test, and prints
# the path of the .deb on its last line. The build itself runs as the calling user, so
# nothing in the tree becomes root's. DEB_BUILD_OPTIONS=nocheck leaves the tests out.
#   scripts/package.sh && sudo apt install ./build-deb/mirel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh dpkg-dev

out="$(realpath -m "${MIREL_PACKAGE_DIR:-build-deb}")"
version="$(dpkg-parsechangelog -S Version)"
source="$out/mirel-$version"
rm -rf "$out"
mkdir -p "$source"

# The files of the tree as they are now (committed or not), without build folders or anything
# else git ignores; a tree that is not a git checkout is copied without its build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$source"
else
  tar --exclude='./build' --exclude='./build-*' -cf - . | tar -xf - -C "$source"
fi

cd "$source"
if ! dpkg-checkbuilddeps 2>/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing the build dependencies"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -qq --no-install-recommends ./
fi
dpkg-buildpackage -b -us -uc -J"$(nproc)" >&2

ls "$out"/mirel_"${version}"_*.deb
