#pragma once

#include <array>
#include <optional>
#include <string>
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

// What an Ok leads to: the screen to open next (if any), whether the screen
// that ran it closes, whether the beep sounds, or a refusal — a sentence that
// says why nothing was done.
struct Outcome {
    std::optional<ScreenId> next;
    bool leave = false;
    bool beep = false;
    std::string refusal;

    bool refused() const { return !refusal.empty(); }

    static Outcome openNext(ScreenId screen) { return {screen, true, false, {}}; }
    static Outcome stay() { return {}; }
    static Outcome close() { return {std::nullopt, true, false, {}}; }
    static Outcome refuse(std::string why) { return {std::nullopt, false, true, std::move(why)}; }
};

} // namespace gear
