// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gear {

// The three working modes of the menu "Расчёт": the design of a gear pair
// ("Передача"), a single wheel ("Колесо") and the check of an existing
// wheel ("Проверка"). The value doubles as an index of per-mode tables.
enum class Mode { Transmission, Wheel, Check };

inline constexpr int kModeCount = 3;

} // namespace gear
