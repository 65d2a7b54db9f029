// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/message.h"
#include "shell/screen_id.h"

#include <optional>
#include <utility>

namespace gear {

// What an Ok leads to: the screen to open next (if any), whether the screen
// that ran it closes, whether the beep sounds, or a refusal — a sentence that
// says why nothing was done, and the text it is about (the screen's texts
// counted from 0; -1 for none), where the student is taken back to correct it.
struct Outcome {
    std::optional<ScreenId> next;
    bool leave = false;
    bool beep = false;
    Message refusal;
    int field = -1;

    bool refused() const { return !refusal.empty(); }

    static Outcome openNext(ScreenId screen) { return {screen, true, false, {}}; }
    static Outcome stay() { return {}; }
    static Outcome close() { return {std::nullopt, true, false, {}}; }
    static Outcome refuse(Message why, int field = -1) { return {std::nullopt, false, true, std::move(why), field}; }
};

} // namespace gear
