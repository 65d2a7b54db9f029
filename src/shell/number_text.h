// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/number.h"

#include <string>
#include <string_view>

namespace gear {

// The value of the leading number of a text, the way the course's programs
// have always read input: blanks are skipped wherever they stand, then an
// optional sign, digits, an optional decimal separator with digits and an
// optional exponent are read; any other character ends the number. The
// separator is a point or a comma alike, so "4,5" and "4.5" both read as
// 4.5, and a second separator ends the number ("2,5,1" reads as 2.5). A text
// that does not begin with a number reads as 0. Digits beyond the range of a
// double ("1e400", or more than 308 digits before the separator) read as an
// infinity, which every calculation refuses; a tiny number ("1e-400") reads
// as 0.
double numberFromText(std::string_view text);

// The decimal text of a number: up to 15 significant digits, no trailing
// zeros, whole numbers without a separator, `decimalSeparator` in place of
// the point. A number never written, or one that is not finite, gives the
// empty text.
std::string numberToText(Number value, std::string_view decimalSeparator = ".");

// A number shown to `digits` significant digits, for the walkthrough's
// substitutions.
std::string numberToText(double value, int digits, std::string_view decimalSeparator);

// A number as a data file (SVG, DXF) writes it: rounded to `decimals`
// places, trailing zeros and a trailing point dropped, "-0" written as "0",
// and always a point, whatever locale the C library was given; the same
// bytes on every desktop. A number that is not finite gives "0": a file
// never carries "nan" or "inf", which no reader takes.
std::string decimalText(double value, int decimals);

// A text with every point that stands between two digits ("1.8·H1", "при
// модуле 2.5 мм") written as `decimalSeparator`, so that the constants of
// formulas and the numbers in messages follow the desktop's region.
std::string withDecimalSeparator(std::string_view text, std::string_view decimalSeparator);

} // namespace gear
