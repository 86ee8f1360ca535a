#!/usr/bin/env bash
# Builds the Debian packages (run-time library with its pictures, and -dev) from the normal
# build and prints their control data and contents. Packages land in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${VX_BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir"
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
for deb in "$dir"/*.deb; do
    echo "== $deb"
    dpkg-deb --info "$deb"
    dpkg-deb --contents "$deb"
done
