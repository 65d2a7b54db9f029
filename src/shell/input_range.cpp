// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/input_range.h"

#include <cmath>

namespace gear {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

// The same reading as numberFromText's: blanks are skipped wherever they
// stand, a point and a comma are both decimal separators.
bool holdsNumber(std::string_view text)
{
    size_t i = 0;
    const auto skip = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
        skip();
    }
    if (i < text.size() && isDigit(text[i]))
        return true;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        skip();
        return i < text.size() && isDigit(text[i]);
    }
    return false;
}

bool isBlankText(std::string_view text)
{
    for (const char c : text) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

bool isWholeNumber(double value)
{
    return std::isfinite(value) && std::trunc(value) == value;
}

} // namespace gear
