# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, only when missing, the Debian packages the program and its tests
# need. Sourced by run.sh and test.sh.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# qt6-tools-dev gives CMake Qt's Linguist tools, qt6-l10n-tools lrelease,
# which compiles the English catalogue, and lupdate, which checks it.
BUILD_PACKAGES=(g++ cmake ninja-build nlohmann-json3-dev qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n fonts-liberation2 fonts-dejavu-core)

# The tests' build: clang with its sanitizer and libFuzzer runtimes.
SANITIZER_BUILD_PACKAGES=(clang libclang-rt-dev)

# What reads the exported drawings back in the tests: ezdxf the DXF files,
# pdftotext the text of the PDF files; locales, for the Russian desktop the
# tests run on as well.
DRAWING_CHECK_PACKAGES=(python3-ezdxf poppler-utils locales)

# Generates the C library's ru_RU.UTF-8 locale, as every Russian student's
# machine has it: without it printf writes a point under LANG=ru_RU.UTF-8
# and a file that would carry a decimal comma there looks sound.
ensure_russian_locale() {
    if locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
        return 0
    fi
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Generating the ru_RU.UTF-8 locale"
    "${sudo[@]}" sed -i 's/^# *ru_RU.UTF-8/ru_RU.UTF-8/' /etc/locale.gen
    "${sudo[@]}" locale-gen >/dev/null
}

# What builds the Debian package (dpkg-shlibdeps) and checks it.
PACKAGE_CHECK_PACKAGES=(dpkg-dev lintian desktop-file-utils appstream)

# The web edition: the compiler, and what its tests run in. GoogleTest is
# built from Debian's sources for WebAssembly.
WEB_PACKAGES=(emscripten)
WEB_TEST_PACKAGES=(chromium googletest)
