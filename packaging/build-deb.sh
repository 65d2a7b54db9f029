#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in build/package and checks it the way a
# distribution would: lintian on the package, desktop-file-validate on its
# menu entry and appstreamcli on its installed tree. Any error or warning
# from them fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}"

# Debian's own compiler and linker flags (all the hardening, reproducible
# paths), as the package would be built inside Debian.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
# Only what goes into the package; the drawing and screenshot tools are left.
cmake --build build/package -j2 --target gearwheel gearcalc icons
rm -f build/package/gearwheel_*.deb
(cd build/package && cpack -G DEB >/dev/null)
deb=$(echo build/package/gearwheel_*.deb)
echo "Built $deb"

tree=build/package/deb-contents
rm -rf "$tree"
dpkg-deb -x "$deb" "$tree"

failed=()
# lintian lists its informational tags too but fails only on errors and
# warnings.
lintian --fail-on error,warning --display-info "$deb" || failed+=(lintian)
# desktop-file-validate exits 0 on warnings, so its output is read instead.
desktop_status=0
desktop=$(desktop-file-validate "$tree"/usr/share/applications/*.desktop 2>&1) || desktop_status=$?
[ -n "$desktop" ] && echo "$desktop"
if [ "$desktop_status" -ne 0 ] || grep -qE 'error:|warning:' <<<"$desktop"; then
    failed+=(desktop-file-validate)
fi
# validate-tree checks the metainfo file and that its menu entry is there.
appstreamcli validate-tree --no-net "$tree" || failed+=(appstreamcli)

if [ ${#failed[@]} -ne 0 ]; then
    echo "The package has faults; see above: ${failed[*]}"
    exit 1
fi
echo "$deb passes lintian, desktop-file-validate and appstreamcli."
