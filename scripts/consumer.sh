#!/usr/bin/env bash
# Installs the normal build into a temporary prefix, then builds examples/consumer from a copy
# outside the tree against that prefix alone (find_package, and again through pkg-config) and
# runs it headless: it must print the button's event and exit 0.
#   scripts/consumer.sh            uses build/ (built here if it is not)
#   VX_BUILD_DIR=dir scripts/consumer.sh
set -euo pipefail
cd "$(dirname "$0")/.."
src="$PWD"
dir="${VX_BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" --target vxqtgui vxhost

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$dir" --prefix "$prefix" >/dev/null
echo "== installed into a temporary prefix:"
(cd "$prefix" && find lib -type f -o -type l | sort | sed 's/^/   /')
echo "   include/vxqtgui/: $(find "$prefix/include" -type f | wc -l) header files"
echo "   share/vxqtgui/toolbox/shared/orvidesk/: $(find "$prefix/share" -type f | wc -l) pictures"

# Every installed header together, with nothing but the prefix and system packages.
export PKG_CONFIG_PATH="$(dirname "$(find "$prefix" -name vxqtgui.pc)")"
flags="$(pkg-config --cflags vxqtgui) -fPIC -std=c++17"
(cd "$prefix/include/vxqtgui" && find . -name '*.h' | sort | sed 's|^\./\(.*\)|#include "\1"|') \
    > "$work/allheaders.cpp"
c++ $flags -fsyntax-only "$work/allheaders.cpp"
echo "== all $(wc -l < "$work/allheaders.cpp") installed headers compile from the prefix"

cp -r examples/consumer "$work/consumer"
cmake -S "$work/consumer" -B "$work/consumer-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
if grep -q "$src" "$work/consumer-build/build.ninja"; then
    echo "consumer.sh: the consumer's build reaches into the source tree" >&2
    exit 1
fi
cmake --build "$work/consumer-build"
c++ $flags -o "$work/vxconsumer-pc" "$work/consumer/main.cpp" \
    -Wl,-rpath,"$(pkg-config --variable=libdir vxqtgui)" $(pkg-config --libs vxqtgui vxhost)

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/xdg-runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
expected_root="$(cd "$prefix/share/vxqtgui" && pwd)"
for program in "$work/consumer-build/vxconsumer" "$work/vxconsumer-pc"; do
    if ldd "$program" | grep -q "$src"; then
        echo "consumer.sh: $(basename "$program") loads libraries from the source tree" >&2
        exit 1
    fi
    echo "== $(basename "$program") (headless)"
    env -u VX_ROOT timeout 60 "$program" | tee "$work/out.txt"
    grep -qx "resources at $expected_root" "$work/out.txt" ||
        { echo "consumer.sh: the installed resources were not found" >&2; exit 1; }
    grep -q "^event ButtonPressEvent on widget " "$work/out.txt"
done
echo "== consumer built and ran from the installed prefix"
