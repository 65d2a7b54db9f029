// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"

#include <QString>

namespace gear::ui {

// The calculation each mode ran last, as a page: formulas with their symbols,
// the same with the numbers, and the results.
QString walkthroughHtml(const CalcState& state);
// One mode's calculation, as tables under a heading for each screen.
QString walkthroughHtml(const CalcState& state, Mode mode);

// The same as plain text, for the clipboard.
QString walkthroughText(const CalcState& state);

// A symbol written with its index after "_" and its power after "^", as HTML.
QString symbolHtml(const QString& marked);

} // namespace gear::ui
