#!/usr/bin/env bash
# Installs what is needed, builds and runs the demo host. With a display it opens the windows
# and waits for you; without one it runs headless on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target vxdemo
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/build/xdg-runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if [[ -n "${DISPLAY:-}" ]]; then
    exec build/examples/vxdemo "$@"
fi
QT_QPA_PLATFORM=offscreen exec build/examples/vxdemo --headless "$@"
