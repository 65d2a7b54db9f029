// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/drawing.h"
#include "geometry/wheel_drawing.h"
#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/screen_id.h"

#include <optional>
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

// The option of a screen that is to stand marked (1-based; 0 marks none).
struct OptionMarked {
    ScreenId screen;
    int option;
};

// The item of a fixed list of a screen that is to stand chosen (−1: none).
struct ItemChosen {
    ScreenId screen;
    std::string control;
    int index;
};

// A picture of a screen shown or hidden.
struct ControlShown {
    ScreenId screen;
    std::string control;
    bool shown;
};

// A picture of a screen that is to show a drawing of the core: the page asks
// for it with drawing() at the size it gives the picture.
struct Picture {
    ScreenId screen;
    std::string control;
    WheelDesign design;
};

// What the page does after a command: the outcome of the core, then the
// texts, choices, pictures and drawings it writes into screens, in the
// order the desktop program writes them. An opened file also hides the
// screens of every chain and opens those its last Ok left open.
struct Reply {
    Outcome outcome;
    std::vector<ControlText> texts;
    std::vector<OptionMarked> marked;
    std::vector<ItemChosen> chosen;
    std::vector<ControlShown> shown;
    std::vector<Picture> pictures;
    std::vector<ScreenId> hidden;
    std::vector<ScreenId> opened; // in this order, after `hidden`
    // A sentence to read after the reply is carried out, without the beep:
    // what changed in a file of an older version.
    std::string notice;
};

// A file the page hands the browser to save; `notice`, when not empty, is
// a sentence the student is to read about it.
struct FileToSave {
    std::string name;
    std::string type; // its media type
    std::string text;
    std::string notice;
};

enum class DrawingFormat { Svg, Dxf };

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

    // «Открыть…»: the file's bytes, checked and run again by the core. A
    // file the core refuses changes nothing, and the reply's refusal says
    // why; otherwise the file's calculation replaces the session's and the
    // reply puts on every screen what its Ok was given.
    Reply open(std::string_view fileName, std::string_view bytes);

    // «Сохранить»: the calculation file of the work so far, by the name it
    // was opened from or "расчёт.gear".
    FileToSave save();

    // Whether there is work the last open or save does not hold.
    bool modified() const;

    // The drawing a picture shows, laid out for `target` with the session's
    // separator, or none when it shows none.
    std::optional<Drawing> drawing(ScreenId screen, std::string_view control, DrawingTarget target) const;

    // «Сохранить чертёж…»: the drawing of a picture on its sheet.
    std::optional<FileToSave> drawingFile(ScreenId screen, std::string_view control, DrawingFormat format) const;

    // The name of the file the work was opened from, empty before any.
    const std::string& fileName() const { return m_fileName; }
    const CalcState& state() const { return m_state; }
    const std::string& decimalSeparator() const { return m_separator; }

private:
    // What a picture was given to draw when its screen was preset: the
    // numbers of that moment, as the desktop's pictures keep them.
    struct ShownDrawing {
        ScreenId screen;
        std::string control;
        Quantities values;
        WheelDesign design;
        bool pair;
    };

    std::string shown(Number value) const;
    void presetAfter(ScreenId screen, const Outcome& outcome, Reply& reply);
    void presetCalculatedModule(Reply& reply, Number module) const;
    void presetModuleResults(Reply& reply) const;
    void presetGrade(Reply& reply) const;
    void presetSketch(Reply& reply, ScreenId sketch);
    void presetParameters(Reply& reply) const;
    void keepDrawing(ShownDrawing drawing);
    std::string currentFileText() const;

    CalcState m_state;
    std::string m_separator;
    std::vector<ShownDrawing> m_drawings;
    std::string m_fileName;
    std::string m_savedText;
};

// The design of wheel drawn on a sketch screen (vivod1..vivod3).
WheelDesign designOfSketch(ScreenId screen);

} // namespace gear::web
