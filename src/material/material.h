// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Material selection: the tooth hardness recommended for a kind of gear, the
// check mode's manufacturing requirements, the treatment method, the steel
// grade with the endurance limits it gives, and the final choice of a steel
// from the table. One Ok of a screen per unit; each stands on shell/ only.

#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
