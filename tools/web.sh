#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The web edition: the core compiled to WebAssembly with the page, in
# build/web/site.
#   tools/web.sh serve   builds the site and serves it on 127.0.0.1:$PORT (8080)
#   tools/web.sh build   builds the site
#   tools/web.sh test    builds the site and the core's tests, runs those
#                        under Node and the page's tests in headless Chromium
#   tools/web.sh bench   builds the site and prints how soon it is usable,
#                        against a blank page, on a laptop and a slowed phone
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${WEB_PACKAGES[@]}"
# Node may come from elsewhere than Debian (it brings its own npm then).
command -v node >/dev/null 2>&1 || ensure_packages nodejs
# emcc's linker scripts need Debian's acorn, which a Node not of Debian's
# does not find by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

configure() {
    if [ ! -f build/web/build.ninja ]; then
        emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release -DGEAR_TESTS=ON >/dev/null
    fi
}

case "${1:-serve}" in
build)
    configure
    cmake --build build/web -j2 --target site
    ;;
serve)
    configure
    cmake --build build/web -j2 --target site
    exec node web/serve.mjs build/web/site "${PORT:-8080}"
    ;;
test)
    ensure_packages "${WEB_TEST_PACKAGES[@]}"
    command -v npm >/dev/null 2>&1 || ensure_packages npm
    configure
    cmake --build build/web -j2
    # Node 20 tries to fetch the module as a web page would.
    node --no-experimental-fetch build/web/tests/core_tests.js --gtest_brief=1
    (cd web && npm ci --no-audit --no-fund --loglevel=error && node --test tests/page.test.mjs tests/files.test.mjs tests/device.test.mjs)
    ;;
bench)
    ensure_packages "${WEB_TEST_PACKAGES[@]}"
    command -v npm >/dev/null 2>&1 || ensure_packages npm
    configure
    cmake --build build/web -j2 --target site
    (cd web && npm ci --no-audit --no-fund --loglevel=error && node tests/bench.mjs "${RUNS:-15}")
    ;;
*)
    echo "usage: $0 serve|build|test|bench" >&2
    exit 2
    ;;
esac
