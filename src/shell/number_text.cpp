// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

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

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool huge = !negativeExponent || integerDigits > 308;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || end != number.data() + number.size()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string numberToText(double value, int digits, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        value = 0.0; // no "-0"
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string text(buffer, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
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
