// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the number conversions: any bytes must read without a
// crash, never as a nan, and every finite number must show as a text that
// reads back to the same number rounded to 15 digits.
#include "shell/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = gear::numberFromText(text);
    if (std::isnan(value))
        std::abort();
    if (std::isfinite(value)) {
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.14e", value);
        if (gear::numberFromText(gear::numberToText(gear::Number(value))) != std::strtod(rounded, nullptr))
            std::abort();
    }
    return 0;
}
