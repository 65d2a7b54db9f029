#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, generates the ru_RU.UTF-8 locale, builds the
# tests with the sanitizers, runs every test headless (the export, file,
# gearcalc and screen tests on a Russian desktop too), the web edition's
# too, and builds and checks the Debian package.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}" "${DRAWING_CHECK_PACKAGES[@]}" \
    "${SANITIZER_BUILD_PACKAGES[@]}" libgtest-dev libbenchmark-dev
ensure_russian_locale

# clang, for its libFuzzer and because it builds the sanitizers' code in
# about half gcc's time; the package below is built by gcc, Debian's own.
cmake -S . -B build/test -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DGEAR_SANITIZE=ON \
    -DGEAR_TESTS=ON -DGEAR_BENCH=ON >/dev/null
cmake --build build/test -j2

# The conversions and the calculation file reader under libFuzzer, the
# reader seeded with the sample files (libFuzzer adds to the corpus folder
# it is given, so it gets a copy); both at once, each keeps one core busy.
rm -rf build/test/fuzz-corpus && mkdir -p build/test/fuzz-corpus && cp tests/data/*.gear build/test/fuzz-corpus/
./build/test/tests/number_text_fuzz -runs=300000 -max_len=64 -seed=1 >build/test/number_text_fuzz.log 2>&1 &
numbers=$!
./build/test/tests/calculation_file_fuzz -runs=5000 -max_len=4096 -seed=1 build/test/fuzz-corpus 2>&1 | tail -n 1
wait "$numbers" || { cat build/test/number_text_fuzz.log; exit 1; }
tail -n 1 build/test/number_text_fuzz.log

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1"
# The tests named ru_RU.* run on a Russian desktop, and the core's tests
# switch to its locale themselves: with the locale generated above, a test
# that finds no decimal comma fails rather than skips.
export GEAR_REQUIRE_COMMA_LOCALE=1
ctest --test-dir build/test --output-on-failure -j2

# The Debian package, from a Release build of its own, checked by lintian,
# desktop-file-validate and appstreamcli. It is built while the web
# edition's tests run: those wait on a browser and leave a core idle.
mkdir -p build
./packaging/build-deb.sh >build/package.log 2>&1 &
package=$!

# The web edition: the core's tests as WebAssembly under Node, and the page
# in headless Chromium, its numbers against the native core's.
web_status=0
GEAR_WORKED_NUMBERS=$PWD/build/test/tests/worked_numbers ./tools/web.sh test || web_status=$?
package_status=0
wait "$package" || package_status=$?
cat build/package.log
if [ "$web_status" -ne 0 ] || [ "$package_status" -ne 0 ]; then
    [ "$web_status" -ne 0 ] && echo "The web edition's tests failed (exit status $web_status)."
    [ "$package_status" -ne 0 ] && echo "The Debian package failed (exit status $package_status)."
    exit 1
fi
