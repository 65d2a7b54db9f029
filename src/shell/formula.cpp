// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/formula.h"

#include "shell/number_text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace gear {

namespace {

// A recursive descent over the formula's UTF-8 text; each level returns no
// value as soon as it meets something it does not know.
class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    std::optional<double> formula()
    {
        std::optional<double> value = sum();
        skipBlanks();
        if (!value || m_pos != m_text.size() || !std::isfinite(*value))
            return std::nullopt;
        return value;
    }

private:
    std::optional<double> sum()
    {
        std::optional<double> value = product();
        while (value) {
            if (take("+")) {
                const auto right = product();
                value = right ? std::optional(*value + *right) : std::nullopt;
            } else if (take("−") || take("-")) {
                const auto right = product();
                value = right ? std::optional(*value - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> product()
    {
        std::optional<double> value = power();
        while (value) {
            if (take("·") || take("*")) {
                const auto right = power();
                value = right ? std::optional(*value * *right) : std::nullopt;
            } else if (take("/")) {
                const auto right = power();
                value = right ? std::optional(*value / *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> power()
    {
        std::optional<double> base = unary();
        if (base && take("^")) {
            const auto exponent = number();
            return exponent ? std::optional(std::pow(*base, *exponent)) : std::nullopt;
        }
        return base;
    }

    std::optional<double> unary()
    {
        if (take("−") || take("-")) {
            const auto value = unary();
            return value ? std::optional(-*value) : std::nullopt;
        }
        return primary();
    }

    std::optional<double> primary()
    {
        if (take("("))
            return closed(sum());
        if (take("√("))
            return closed(sum(), [](double x) { return std::sqrt(x); });
        if (take("∛("))
            return closed(sum(), [](double x) { return std::cbrt(x); });
        if (take("cos("))
            return closed(sum(), [](double x) { return std::cos(x); });
        // The smaller or larger of two values, as the walkthrough writes
        // them: "min(a; b)", the semicolon apart from a decimal comma.
        if (take("min("))
            return pair([](double a, double b) { return std::min(a, b); });
        if (take("max("))
            return pair([](double a, double b) { return std::max(a, b); });
        return number();
    }

    template <typename Function>
    std::optional<double> pair(Function function)
    {
        const std::optional<double> first = sum();
        if (!first || !take(";"))
            return std::nullopt;
        const std::optional<double> second = sum();
        if (!second || !take(")"))
            return std::nullopt;
        return function(*first, *second);
    }

    template <typename Function = double (*)(double)>
    std::optional<double> closed(
        std::optional<double> inner, Function function = [](double x) { return x; })
    {
        if (!inner || !take(")"))
            return std::nullopt;
        return function(*inner);
    }

    std::optional<double> number()
    {
        skipBlanks();
        const size_t start = m_pos;
        while (m_pos < m_text.size() && ((m_text[m_pos] >= '0' && m_text[m_pos] <= '9') || m_text[m_pos] == '.'))
            ++m_pos;
        // An exponent, as a number's text may carry one ("1e+20").
        if (m_pos > start && m_pos < m_text.size() && m_text[m_pos] == 'e') {
            ++m_pos;
            if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-'))
                ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9')
                ++m_pos;
        }
        if (m_pos == start)
            return std::nullopt;
        return numberFromText(m_text.substr(start, m_pos - start));
    }

    bool take(std::string_view token)
    {
        skipBlanks();
        if (m_text.substr(m_pos, token.size()) != token)
            return false;
        m_pos += token.size();
        return true;
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
    }

    std::string_view m_text;
    size_t m_pos = 0;
};

} // namespace

std::optional<double> evaluateFormula(std::string_view formula)
{
    return Parser(formula).formula();
}

} // namespace gear
