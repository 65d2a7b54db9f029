// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace gear {

// The sound range of every number a screen takes, in one place for the
// checks, the documents and the tests.

// No involute gear cut without shift has fewer teeth than this without
// undercut worth speaking of, and the tooth form factor table starts here.
inline constexpr double kFewestTeeth = 10;
// A pinion of more teeth than this is a wheel; a single wheel or a checked
// one may have as many as the largest ratio gives it.
inline constexpr double kMostPinionTeeth = 200;
inline constexpr double kMostWheelTeeth = 2000;
// Torque on the pinion shaft, N·m: far beyond any gear a course designs.
inline constexpr double kMostTorque = 100000;
// Speed of the pinion, rpm: the fastest industrial gear drives run at about
// 20 000 rpm.
inline constexpr double kMostSpeed = 30000;
// A single stage of a cylindrical pair: from 1 (the pinion is the smaller
// gear) to 10, the end of the ratio list.
inline constexpr double kLeastRatio = 1;
inline constexpr double kMostRatio = 10;
// Lengths of a wheel, mm: the preferred sizes end at 4000.
inline constexpr double kLargestSize = 4000;
// Module, mm: ГОСТ 9563-80 ends at 100.
inline constexpr double kLargestModule = 100;

// A typed text that holds a number: blanks and a sign aside, it begins with
// a digit or with a decimal separator and a digit. Any other text is asked
// for again ("Введите …") rather than read as 0.
bool holdsNumber(std::string_view text);

// A text of nothing but blanks: a field left empty.
bool isBlankText(std::string_view text);

// A tooth number as typed: whole, with no fraction ("20" or "20.0").
bool isWholeNumber(double value);

} // namespace gear
