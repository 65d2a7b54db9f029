// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/screen_id.h"

#include <string>
#include <string_view>
#include <vector>

namespace gear::web {

// What the page sends with a screen's Ok: the texts of its fields in the
// order the screen lists them, its marked option (1-based, 0 for none) and
// the item chosen in its fixed list (−1 for none).
struct OkInput {
    std::vector<std::string> texts;
    int option = 0;
    int index = -1;
};

// A text the page puts into a control of a screen: a caption, a value field,
// or the text of a field or an editable list.
struct ControlText {
    ScreenId screen;
    std::string control;
    std::string text;
};

// A picture of a screen shown or hidden.
struct ControlShown {
    ScreenId screen;
    std::string control;
    bool shown;
};

// The wheel design a picture of a screen is to show.
enum class WheelDesign { Solid, Disc, Spoked };

struct Picture {
    ScreenId screen;
    std::string control;
    WheelDesign design;
};

// What the page does after a command: the outcome of the core, then the
// texts, pictures and drawings it writes into screens, in the order the
// desktop program writes them.
struct Reply {
    Outcome outcome;
    std::vector<ControlText> texts;
    std::vector<ControlShown> shown;
    std::vector<Picture> pictures;
};

// One student's run of the program in a page: the calculation state and the
// decimal separator the numbers are shown with. It does for the page what
// the desktop's screens do around each Ok: it calls the core and says which
// captions and values go where, written by the core's number-to-text rule.
class PageSession final {
public:
    explicit PageSession(std::string decimalSeparator);

    // A command of the main window's menu by its name ("mnuPer" …).
    Reply menu(std::string_view command);

    // The Ok (Command1) of a screen that calculates.
    Reply ok(ScreenId screen, const OkInput& input);

    // "Показать рисунок" of the results.
    Reply showDrawing();

    const CalcState& state() const { return m_state; }
    const std::string& decimalSeparator() const { return m_separator; }

private:
    std::string shown(Number value) const;
    void presetCalculatedModule(Reply& reply, Number module) const;
    void presetModuleResults(Reply& reply) const;
    void presetGrade(Reply& reply) const;

    CalcState m_state;
    std::string m_separator;
};

// The design of wheel drawn on a sketch screen (vivod1..vivod3).
WheelDesign designOfSketch(ScreenId screen);

} // namespace gear::web
