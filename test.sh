#!/usr/bin/env bash
# Installs what is missing, builds the tests with the sanitizers and runs
# every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev libbenchmark-dev

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGEAR_SANITIZE=ON -DGEAR_TESTS=ON >/dev/null
cmake --build build/test -j2

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1"
ctest --test-dir build/test --output-on-failure -j2
