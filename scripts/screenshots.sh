#!/usr/bin/env bash
# Renders the README's pictures (the main pages and dialogs over a sample configuration) into
# docs/, offscreen. Run it after a change to a page or dialog that the pictures show.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-run
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQB_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target quillbarrow_screenshots
QT_QPA_PLATFORM=offscreen "$build/tools/quillbarrow_screenshots" docs
