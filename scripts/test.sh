#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, fuzzes
# the file readers briefly, runs every test, then checks the installed program and its Debian
# package. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# A short fuzzing run of every file reader, built with clang's libFuzzer.
fuzz=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$fuzz" -DCMAKE_BUILD_TYPE=Debug -DQB_FUZZ=ON -DQB_BUILD_GUI=OFF \
  -DQB_BUILD_TESTS=OFF >/dev/null
cmake --build "$fuzz" -j2
ctest --test-dir "$fuzz" --output-on-failure

build=build-test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQB_SANITIZE=ON -DQB_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" -j2 --output-on-failure

# The program as it ships: installed files, their validators, the Debian package.
bash scripts/test-package.sh
