// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/number.h"

#include <QString>

#include <string>

namespace gear::ui {

// The user's regional decimal separator, as UTF-8 for the core.
std::string decimalSeparator();

// A number as the student reads it: the regional decimal separator, empty
// when never written.
QString shown(Number value);

} // namespace gear::ui
