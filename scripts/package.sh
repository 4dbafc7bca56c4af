#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package command: builds the Debian package with dpkg-buildpackage (debhelper, the
# hardening flags of dpkg-buildflags, library dependencies computed by dpkg-shlibdeps) and
# installs first whatever it needs that is missing.
#   scripts/package.sh [folder]          (default build-deb)
# The package is built from a copy of the files of the work tree in <folder>/source, so the
# checkout stays clean, and lands in <folder>. A second run builds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-$root/build-deb}")

scripts/deps.sh build package

source=$out/source
mkdir -p "$source"
# The tracked and the new files as they stand (not those deleted but not yet committed);
# tar keeps their times, so the build sees only real changes.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null -T - -cf - | tar -xf - -C "$source"

# What debhelper remembers of the last build goes, so that every step runs again; the
# compiled objects in obj-*/ stay.
rm -rf "$source/debian/.debhelper" "$source/debian/tavrendale" "$source/debian/debhelper-build-stamp" \
       "$source/debian/files" "$source"/debian/*.debhelper.log "$source"/debian/*.substvars

version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
rm -f "$out/tavrendale_${version}_${arch}.deb"
(
  cd "$source"
  export DEB_BUILD_OPTIONS="noddebs parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}"
  dpkg-buildpackage --build=binary --no-sign --no-pre-clean
)
package=$out/tavrendale_${version}_${arch}.deb
[ -f "$package" ] || { echo "dpkg-buildpackage made no $package" >&2; exit 1; }
echo "Built $package"
echo "Install it with: sudo apt install $package"
