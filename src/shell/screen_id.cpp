// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/screen_id.h"

#include <array>

namespace gear {

std::string_view screenName(ScreenId id)
{
    static constexpr std::array<std::string_view, kScreenCount> names{
        "ATverd", "BNormal2", "Czakalka2", "hodRascheta", "info",  "nastroyka", "okon",    "okonchanie", "oshibka1",
        "result", "stal1",    "stal2",     "stal3",       "stal4", "stal5",     "trebov2", "Vibor",      "vihod",
        "vivod1", "vivod2",   "vivod3",    "vivod4",      "Vvod",  "Vvod2",     "Vvod3"};
    return names[static_cast<size_t>(id)];
}

std::optional<ScreenId> screenByName(std::string_view name)
{
    for (int i = 0; i < kScreenCount; ++i) {
        if (screenName(static_cast<ScreenId>(i)) == name)
            return static_cast<ScreenId>(i);
    }
    return std::nullopt;
}

bool isSteelScreen(ScreenId id)
{
    return id == ScreenId::stal1 || id == ScreenId::stal2 || id == ScreenId::stal3 || id == ScreenId::stal4 ||
           id == ScreenId::stal5;
}

} // namespace gear
