#!/usr/bin/env bash
# Installs what is needed, builds and runs the demo host on the gallery.
#  - With a display: opens the gallery window, then the prompt ("help" lists the commands).
#  - Without one: runs the shipped scripts under Xvfb with simulated user actions (the Model
#    Explorer scenes on a million objects among them), prints the events the host receives and
#    writes screenshots to out/.
# Extra arguments go to vxdemo (e.g. scripts/demo.sh my-script.vxs).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target vxdemo
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/build/xdg-runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
scripts=(examples/scripts/gallery.vxs)
if [[ -n "${DISPLAY:-}" ]]; then
    exec build/examples/vxdemo "${scripts[@]}" -i "$@"
fi
scripts+=(examples/scripts/messageboxes.vxs examples/scripts/textbrowser.vxs
    examples/scripts/explorer-scenes.vxs)
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/examples/vxdemo --headless --out out "${scripts[@]}" "$@"
