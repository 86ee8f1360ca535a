#!/usr/bin/env bash
# Builds and runs the whole test suite headless.
#   scripts/test.sh            normal build in build/
#   VX_SANITIZE=address,undefined scripts/test.sh   sanitizer build in build-address-undefined/
#   VX_SANITIZE=thread scripts/test.sh              ThreadSanitizer build in build-thread/
#   VX_CORE_ONLY=ON VX_SANITIZE=thread scripts/test.sh   only vrix/ and its tests, in build-thread-core/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

san="${VX_SANITIZE:-}"
dir="build"
if [[ -n "$san" ]]; then
    dir="build-${san//,/-}"
fi
core="${VX_CORE_ONLY:-OFF}"
if [[ "$core" == "ON" ]]; then
    dir="$dir-core"
fi

cmake -S . -B "$dir" -G Ninja -DVX_SANITIZE="$san" -DVX_BUILD_TESTS=ON -DVX_CORE_ONLY="$core" >/dev/null
cmake --build "$dir"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/$dir/xdg-runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir "$dir" --output-on-failure -j2 ${VX_CTEST_ARGS:-}
