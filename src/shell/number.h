// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace gear {

// A number of the calculation state. One that was never written reads as 0
// in arithmetic and shows as the empty text, so a caption never displays a
// value nobody computed.
class Number final {
public:
    constexpr Number() = default;
    constexpr Number(double value) : m_value(value), m_written(true) {} // NOLINT: implicit by design

    constexpr operator double() const { return m_value; } // NOLINT: formulas read like on paper
    constexpr bool isWritten() const { return m_written; }

private:
    double m_value = 0.0;
    bool m_written = false;
};

// A size, a count or a limit that a formula may divide by or take a root of.
inline bool isPositive(double value)
{
    return std::isfinite(value) && value > 0.0;
}

} // namespace gear
