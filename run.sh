#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and starts it; with "web",
# the web edition instead.
set -euo pipefail
cd "$(dirname "$0")"
# "./run.sh web": the web edition, served on http://127.0.0.1:${PORT:-8080}/.
if [ "${1:-}" = web ]; then
    exec tools/web.sh serve
fi
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target gearwheel

if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display here; run it under a virtual one with 'xvfb-run ./run.sh' (apt-get install xvfb), or 'QT_QPA_PLATFORM=vnc ./run.sh' and connect a VNC viewer to port 5900."
    exit 1
fi
exec ./build/release/gearwheel
