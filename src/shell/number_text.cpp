// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#endif

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

// Reads blanks away and collects the characters of the leading number.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : m_text(text) {}

    char peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void take(std::string& into) { into += m_text[m_pos++]; }
    int takeDigits(std::string& into)
    {
        int count = 0;
        while (isDigit(peek())) {
            take(into);
            ++count;
        }
        return count;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
};

#if !defined(__cpp_lib_to_chars)
// Where the floating-point std::from_chars is missing (libc++ before 17, as
// in emscripten and on macOS), strtod reads the number. strtod reads the
// decimal point of the C locale, and a desktop program's locale is the
// user's (QApplication calls setlocale), where it may be a comma. Rather than
// read the locale's point, which another thread may change, the point is
// taken out of the text and the exponent lowered by the digits after it:
// "12.5e3" is read as "125e2". Digits and an exponent read the same in every
// locale, and strtod rounds the same decimal value the same way.
double parseWithoutPoint(const std::string& number)
{
    std::string digits;
    long long exponent = 0;
    bool afterPoint = false;
    size_t i = 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            afterPoint = true;
            continue;
        }
        digits += number[i];
        if (afterPoint)
            --exponent;
    }
    if (i < number.size()) {
        // The exponent's own digits may be more than a long long holds; a
        // billion is far past any double already.
        constexpr long long kFarOut = 1'000'000'000;
        long long written = 0;
        const bool minus = number[i + 1] == '-';
        for (size_t j = i + 1; j < number.size(); ++j) {
            if (isDigit(number[j]))
                written = std::min(kFarOut, written * 10 + (number[j] - '0'));
        }
        exponent += minus ? -written : written;
    }
    const std::string text = digits + "e" + std::to_string(exponent);
    errno = 0;
    const double value = std::strtod(text.c_str(), nullptr);
    // An underflow that still gives a subnormal number keeps it ("1e-320");
    // one that gives 0 is 0. An overflow gives HUGE_VAL, the infinity every
    // calculation refuses.
    if (errno == ERANGE && std::isinf(value))
        return std::numeric_limits<double>::infinity();
    return value;
}

// Puts `separator` in place of the decimal point that snprintf wrote, which
// is whatever stands between the whole digits and the fraction's digits.
void replaceLocalePoint(std::string& text, std::string_view separator)
{
    size_t start = text.empty() || text[0] != '-' ? 0 : 1;
    while (start < text.size() && isDigit(text[start]))
        ++start;
    size_t end = start;
    while (end < text.size() && !isDigit(text[end]) && text[end] != 'e')
        ++end;
    if (end > start && end < text.size() && isDigit(text[end]))
        text.replace(start, end - start, separator);
}
#endif

} // namespace

double numberFromText(std::string_view text)
{
    NumberScanner scan(text);
    std::string number;
    bool negative = false;
    if (scan.peek() == '+' || scan.peek() == '-') {
        negative = scan.peek() == '-';
        std::string sign;
        scan.take(sign);
    }
    int mantissaDigits = scan.takeDigits(number);
    const int integerDigits = mantissaDigits;
    // A Russian desktop types a comma where others type a point.
    if (scan.peek() == '.' || scan.peek() == ',') {
        std::string separator;
        scan.take(separator);
        number += '.';
        mantissaDigits += scan.takeDigits(number);
    }
    if (mantissaDigits == 0)
        return 0.0;

    bool negativeExponent = false;
    if (scan.peek() == 'e' || scan.peek() == 'E') {
        std::string exponent = "e";
        std::string ignored;
        scan.take(ignored);
        if (scan.peek() == '+' || scan.peek() == '-') {
            negativeExponent = scan.peek() == '-';
            scan.take(exponent);
        }
        if (scan.takeDigits(exponent) > 0)
            number += exponent;
        else
            negativeExponent = false;
    }

#if defined(__cpp_lib_to_chars)
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool huge = !negativeExponent || integerDigits > 308;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || end != number.data() + number.size()) {
        value = 0.0;
    }
#else
    (void)integerDigits;
    (void)negativeExponent;
    double value = parseWithoutPoint(number);
#endif
    return negative ? -value : value;
}

std::string numberToText(double value, int digits, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        value = 0.0; // no "-0"
    char buffer[64];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string text(buffer, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
#else
    // "%g" without "#" drops trailing zeros as to_chars does; its decimal
    // point is the C locale's, which may not be a point.
    const int length = std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    std::string text(buffer, static_cast<size_t>(std::max(length, 0)));
    replaceLocalePoint(text, decimalSeparator);
#endif
    return text;
}

std::string decimalText(double value, int decimals)
{
    if (!std::isfinite(value))
        return "0";
    decimals = std::clamp(decimals, 0, 17);
    // A double's whole part has at most 309 digits.
    char buffer[340];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
#else
    const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer, static_cast<size_t>(std::clamp(length, 0, static_cast<int>(sizeof buffer) - 1)));
    replaceLocalePoint(text, ".");
#endif
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string withDecimalSeparator(std::string_view text, std::string_view decimalSeparator)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool between =
            text[i] == '.' && i > 0 && i + 1 < text.size() && isDigit(text[i - 1]) && isDigit(text[i + 1]);
        if (between)
            result += decimalSeparator;
        else
            result += text[i];
    }
    return result;
}

std::string numberToText(Number value, std::string_view decimalSeparator)
{
    if (!value.isWritten())
        return {};
    return numberToText(static_cast<double>(value), 15, decimalSeparator);
}

} // namespace gear
