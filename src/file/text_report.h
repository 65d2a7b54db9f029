// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/results.h"

#include <string>
#include <vector>

namespace gear {

// Results tables as plain text for a terminal or a text file: each title,
// then its rows with the columns lined up, two blanks between them.
std::string resultTablesText(const std::vector<ResultTable>& tables);

} // namespace gear
