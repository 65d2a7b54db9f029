// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/excerpt.h"

#include <cstdint>

namespace gear {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character at `at`, and how many bytes it takes; a byte that does not
// begin a well-formed sequence is one replacement character.
char32_t decode(std::string_view text, size_t at, size_t& length)
{
    const auto byte = [&](size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    length = 1;
    if (lead < 0x80)
        return lead;
    size_t count = 0;
    char32_t c = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        count = 1, c = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 2, c = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 3, c = lead & 0x07, lowest = 0x10000;
    } else {
        return kReplacement;
    }
    for (size_t i = 1; i <= count; ++i) {
        if (at + i >= text.size() || (byte(at + i) & 0xC0) != 0x80)
            return kReplacement;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return kReplacement;
    length = count + 1;
    return c;
}

// What a quoted character is shown as.
char32_t shown(char32_t c)
{
    if (c < 0x20)
        return 0x2400 + c; // ␀ … ␟
    if (c == 0x7F)
        return 0x2421; // ␡
    const bool c1 = c >= 0x80 && c <= 0x9F;
    const bool reordering = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
                            c == 0x200F || c == 0x2028 || c == 0x2029;
    return c1 || reordering ? kReplacement : c;
}

} // namespace

std::string excerpt(std::string_view text)
{
    std::string out;
    size_t at = 0;
    for (int count = 0; at < text.size() && count < kExcerptLength; ++count) {
        size_t length = 1;
        appendUtf8(out, shown(decode(text, at, length)));
        at += length;
    }
    if (at < text.size())
        out += "…";
    return out;
}

} // namespace gear
