#!/usr/bin/env bash
# Installs what is missing, builds the program (Release) and starts it. Arguments are passed on,
# e.g. "--base-dir DIR" to keep the Data folder in DIR/Data.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=build-run
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQB_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target quillbarrow quillbarrow-cli
exec "$build/src/quillbarrow" "$@"
