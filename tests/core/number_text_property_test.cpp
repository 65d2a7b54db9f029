// SPDX-License-Identifier: GPL-3.0-or-later
// Random texts and numbers through the two conversions.
#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace gear {
namespace {

// The number rounded to 15 significant digits by the C library, which is an
// independent path from the program's own conversion.
double roundedTo15(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::strtod(text, nullptr);
}

// What std::bit_cast does, for the libc++ of the WebAssembly build, which
// has none.
double doubleOfBits(std::uint64_t bits)
{
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(NumberTextProperty, EveryFiniteNumberReadsBackRoundedToFifteenDigits)
{
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    for (int i = 0; i < 100000; ++i) {
        // Half the cases are any bit pattern that is a finite double.
        double value = i % 2 == 0 ? doubleOfBits(random()) : mantissa(random) * std::pow(10.0, exponent(random));
        if (!std::isfinite(value))
            continue;
        const std::string text = numberToText(Number(value));
        ASSERT_LE(text.size(), 23U) << value;
        ASSERT_EQ(numberFromText(text), roundedTo15(value)) << text;
        std::string withComma = text;
        if (auto point = withComma.find('.'); point != std::string::npos)
            withComma[point] = ',';
        ASSERT_EQ(numberToText(Number(value), ","), withComma);
        ASSERT_EQ(numberFromText(withComma), roundedTo15(value)) << withComma;
    }
}

TEST(NumberTextProperty, RandomTextsNeverGiveANanAndOverflowOnlyFromHugeNumbers)
{
    const std::string alphabet = "0123456789 .eE+-,aб\t";
    std::mt19937 random(7);
    std::uniform_int_distribution<size_t> length(0, 40);
    std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1);
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        for (size_t n = length(random); n > 0; --n)
            text += alphabet[letter(random)];
        const double value = numberFromText(text);
        ASSERT_FALSE(std::isnan(value)) << text;
        if (std::isinf(value)) {
            // Only an exponent can reach past 1e308 in forty characters.
            ASSERT_NE(text.find_first_of("eE"), std::string::npos) << text;
        }
    }
}

TEST(NumberTextProperty, BytesThatAreNotTextAreReadSafely)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = 0; n < 32; ++n)
            text += static_cast<char>(byte(random));
        const double value = numberFromText(text);
        ASSERT_FALSE(std::isnan(value));
        (void)numberToText(Number(value));
    }
}

} // namespace
} // namespace gear
