// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a mode's calculation was given, for the report: the desktop's PDF,
// gearcalc's text and the page's printout show these same rows.

#include "geometry/results.h"

#include <string_view>
#include <vector>

namespace gear {

// The inputs of `mode` as its own chain recorded them, screen by screen in
// the order its Oks ran: each choice by its name, each typed number as the
// Ok read it ("—" for a field left empty), and the hardness and material
// limits the choices gave. Rows of three cells: what, how much, the unit.
// Another mode's numbers, which share the state's fields, never show here.
ResultTable inputTable(const CalcState& state, Mode mode, std::string_view decimalSeparator,
                       const Translator& translate = {});

// For each mode that ran to its results, in the order transmission, wheel,
// check: its inputs, then its results.
std::vector<ResultTable> reportTables(const CalcState& state, std::string_view decimalSeparator,
                                      const Translator& translate = {});

} // namespace gear
