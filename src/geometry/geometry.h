// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Module and geometry: a wheel's data and the module they give, the choice
// of the standard module with the diameters and working stresses that
// follow, the preferred linear sizes and the dimensions of the wheel body.
// Each stands on shell/ only.

#include "geometry/module_choice.h"
#include "geometry/preferred_size.h"
#include "geometry/results.h"
#include "geometry/wheel_body.h"
#include "geometry/wheel_input.h"
