// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Strength calculation: the design of a gear pair's module from the bending
// or the contact strength of its teeth, and the check of the load an
// existing wheel carries. Each stands on shell/ only.

#include "strength/check_calculation.h"
#include "strength/transmission_design.h"
