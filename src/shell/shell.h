// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ground floor of the core: the calculation state every screen shares,
// numbers and their texts, the coefficients and their ranges, the modes and the routing
// between screens, the outcome of an Ok and the walkthrough of a
// calculation. Nothing here knows about materials, strength or geometry;
// those folders stand on this one.

#include "shell/angle.h"
#include "shell/calc_state.h"
#include "shell/draft.h"
#include "shell/formula.h"
#include "shell/mode.h"
#include "shell/mode_commands.h"
#include "shell/number.h"
#include "shell/number_text.h"
#include "shell/outcome.h"
#include "shell/parameters.h"
#include "shell/reference_tables.h"
#include "shell/screen_id.h"
#include "shell/walkthrough.h"
