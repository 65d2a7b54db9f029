// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/message.h"

// The units the walkthrough writes after a result, in one place so that each
// is marked for translation once.
namespace gear::unit {

inline constexpr const char* mm = GEAR_TR_NOOP("unit", "мм");
inline constexpr const char* MPa = GEAR_TR_NOOP("unit", "МПа");
inline constexpr const char* N = GEAR_TR_NOOP("unit", "Н");
inline constexpr const char* Nm = GEAR_TR_NOOP("unit", "Н·м");

} // namespace gear::unit
