// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the calculation file reader: any bytes must be read
// without a crash, either refused with a message or opened; and a file that
// opens must save to a text that opens again to the same text.
#include "file/calculation_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const gear::OpenedCalculation opened = gear::openCalculation(text);
    if (opened.refused())
        return 0;
    const gear::SavedCalculation saved = gear::saveCalculation(opened.state);
    const gear::OpenedCalculation again = gear::openCalculation(saved.text);
    if (again.refused() || gear::saveCalculation(again.state).text != saved.text)
        std::abort();
    return 0;
}
