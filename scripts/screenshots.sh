#!/usr/bin/env bash
# Builds the demo host and plays the gallery, the message boxes and the explorer's scenes under
# Xvfb (or the offscreen platform when Xvfb is missing), saving its window captures to docs/images/;
# then the explorer's widget tests that draw pictures (window and dialogs, model view layouts,
# list editing, tree, search, spreadsheet) save theirs there too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DVX_BUILD_TESTS=ON >/dev/null
pictures=(tests/modelexplorer/modelexplorer_tests tests/modelexplorer/listview_tests
    tests/modelexplorer/modelexplorer_e2e_tests tests/search/search_tests
    tests/search/search_unit_tests)
cmake --build build --target vxdemo $(basename -a "${pictures[@]}")
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/build/xdg-runtime}"
mkdir -p "$XDG_RUNTIME_DIR" docs/images && chmod 700 "$XDG_RUNTIME_DIR"
run=(build/examples/vxdemo --headless --out docs/images examples/scripts/gallery.vxs
    examples/scripts/messageboxes.vxs examples/scripts/explorer-scenes.vxs)
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}"
else
    QT_QPA_PLATFORM=offscreen "${run[@]}"
fi
for binary in "${pictures[@]}"; do
    QT_QPA_PLATFORM=offscreen VX_SCREENSHOT_DIR="$PWD/docs/images" \
        "build/$binary" --gtest_filter='*Screenshot*' --gtest_brief=1
done
ls -l docs/images/*.png
