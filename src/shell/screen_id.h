// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace gear {

// Every secondary screen of the program, in the order the confirmed exit
// unloads them (their names ignoring case; the main window stands between
// `info` and `nastroyka`).
enum class ScreenId {
    ATverd,
    BNormal2,
    Czakalka2,
    hodRascheta,
    info,
    nastroyka,
    okon,
    okonchanie,
    oshibka1,
    result,
    stal1,
    stal2,
    stal3,
    stal4,
    stal5,
    trebov2,
    Vibor,
    vihod,
    vivod1,
    vivod2,
    vivod3,
    vivod4,
    Vvod,
    Vvod2,
    Vvod3,
};

inline constexpr int kScreenCount = static_cast<int>(ScreenId::Vvod3) + 1;

// The screen's established name, which is also its objectName.
std::string_view screenName(ScreenId id);

// The screen of that name, if there is one.
std::optional<ScreenId> screenByName(std::string_view name);

// One of the five steel screens `stal1`–`stal5`, which share one layout.
bool isSteelScreen(ScreenId id);

} // namespace gear
