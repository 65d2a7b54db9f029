// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One student's run of the program, whatever shows it: the calculation
// state, the chains in progress, each mode's kept results, the file the work
// came from and whether it holds all of it. Every menu command and every
// screen's Ok goes through a session, which answers with a reply saying what
// to show: the desktop applies it to its widgets, the page to its elements,
// and the command line replays files through the same calls.

#include "geometry/drawing.h"
#include "geometry/results.h"
#include "geometry/wheel_drawing.h"
#include "screens/walkthrough_text.h"
#include "shell/calc_state.h"
#include "shell/message.h"
#include "shell/outcome.h"
#include "shell/screen_id.h"
#include "shell/self_check.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

// A text written into a control of a screen: a caption, a value shown, or
// the text of a field or an editable list.
struct ControlText {
    ScreenId screen;
    std::string control;
    std::string text;
    bool warning = false; // a note to be read as a warning: shown in red

    bool operator==(const ControlText&) const = default;
};

// The option of a screen's group that is to stand marked (1-based; 0: none).
struct OptionMarked {
    ScreenId screen;
    int option;

    bool operator==(const OptionMarked&) const = default;
};

// The item of a fixed list that is to stand chosen (−1: none).
struct ItemChosen {
    ScreenId screen;
    std::string control;
    int index;

    bool operator==(const ItemChosen&) const = default;
};

// The text of one item of a fixed list, rewritten: a mark on the steels
// that carry the pair.
struct ItemText {
    ScreenId screen;
    std::string control;
    int index;
    std::string text;

    bool operator==(const ItemText&) const = default;
};

// A picture of a screen shown or hidden.
struct ControlShown {
    ScreenId screen;
    std::string control;
    bool shown;

    bool operator==(const ControlShown&) const = default;
};

// A picture that is to show a drawing: the front-end asks for it with
// Session::drawing() at the size it gives the picture.
struct Picture {
    ScreenId screen;
    std::string control;
    WheelDesign design;

    bool operator==(const Picture&) const = default;
};

// A screen shown (brought to the front, the focus on its first field) or
// hidden (it keeps what it holds).
struct ScreenShown {
    ScreenId screen;
    bool shown;

    bool operator==(const ScreenShown&) const = default;
};

enum class MessageKind {
    None,
    Refusal, // nothing was done: said with the beep, over the screen it is about
    Notice,  // done, and something the student is to read about it
};

// What the front-end does after a call, in this order: write the controls,
// say the message, sound the beep, show and hide the screens.
struct Reply {
    std::vector<ControlText> texts;
    std::vector<OptionMarked> marked;
    std::vector<ItemChosen> chosen;
    std::vector<ItemText> items;
    std::vector<ControlShown> shown;
    std::vector<Picture> pictures;
    MessageKind messageKind = MessageKind::None;
    std::string message;
    std::optional<ScreenId> messageScreen; // the screen the message is about, if any
    // The control of that screen a refusal is about, given the focus once the
    // sentence is read: "Text3" …; empty when it is about no one field.
    std::string messageField;
    bool beep = false;
    std::vector<ScreenShown> screens;
    // The calculation changed: the walkthrough, the title's mark and
    // whatever shows the state follow.
    bool calculated = false;

    bool refused() const { return messageKind == MessageKind::Refusal; }
};

// A file a front-end writes for the student; `notice`, when not empty, is a
// sentence to say once it is written.
struct FileToSave {
    std::string name;
    std::string type; // its media type
    std::string text;
    std::string notice;
};

enum class DrawingFormat { Svg, Dxf };

// A value line of the walkthrough as the self-check shows it: under the
// heading of its screen, its symbol and formula without numbers, the value
// the student typed, and its mark with, on a wrong line, the formula redone
// with the student's own earlier values. Row i's field is the control
// "Self<i+1>" of hodRascheta, its mark "Mark<i+1>", the redone formula
// "Own<i+1>".
struct SelfCheckRow {
    Mode mode = Mode::Transmission;
    std::string section; // the mode's title
    std::string heading; // the screen's heading in the walkthrough
    std::string quantity;
    std::string symbolic; // empty for a constant
    std::string unit;
    std::string typed;
    LineMark mark = LineMark::NotGiven;
    std::string markText;
    std::string own;
};

class Session final {
public:
    // Numbers are shown with `decimalSeparator`, words in the language of
    // `translate` (Russian when empty).
    explicit Session(std::string decimalSeparator = ".", Translator translate = {});

    // A command of the main window's menu by its name: "mnuKol", "mnuPer",
    // "mnuProv", "mnuProg", "mnuSteps", "mnuParam".
    Reply menu(std::string_view command);

    // The Ok (Command1) of a screen, with what was typed and chosen on it:
    // the texts of its fields in the catalogue's order, the option marked
    // or the list's item chosen.
    Reply ok(ScreenId screen, const GivenInputs& given);

    // What a screen says of what is typed or chosen on it before its Ok:
    // the module choice warns of a module below the computed one or far
    // above it. Nothing is calculated or kept.
    Reply preview(ScreenId screen, const GivenInputs& given) const;

    // "Показать рисунок" of the pair's results.
    Reply showDrawing();

    // «Открыть…»: the file's bytes, checked and run again. A file that is
    // refused changes nothing and the reply says why; otherwise the file's
    // calculation replaces the session's and every screen shows what its
    // Ok was given.
    Reply open(std::string_view fileName, std::string_view bytes);

    // «Сохранить»: the file of the work so far, named after the file it came
    // from or after the mode worked on last. Once the front-end has written
    // it, saved() marks the work as held by it.
    FileToSave fileToSave() const;
    void saved(std::string fileName);

    // Whether there is work the last file opened or saved does not hold.
    bool modified() const;
    // The name of that file, empty before any.
    const std::string& fileName() const { return m_fileName; }
    // The window's title: the file's name and the program's, with `mark`
    // where the mark of unsaved work goes — when there is such work, or
    // `always` (a front-end that shows the mark itself).
    std::string title(std::string_view mark = "*", bool always = false) const;

    // The drawing a picture shows, laid out for `target` with the session's
    // separator, or none when it shows none.
    std::optional<Drawing> drawing(ScreenId screen, std::string_view control, DrawingTarget target) const;
    // The name a drawing of a screen is offered under, without its suffix:
    // the work's file, if it has one, and the drawing's mode.
    std::string drawingName(ScreenId screen) const;
    // «Сохранить чертёж…»: the drawing of a picture on its sheet.
    std::optional<FileToSave> drawingFile(ScreenId screen, std::string_view control, DrawingFormat format) const;

    // Every mode's walkthrough and results, as rows.
    std::vector<WalkthroughSection> walkthrough() const;
    std::string walkthroughText() const;
    std::vector<ResultTable> resultTables() const;
    // Each mode's inputs as its own chain recorded them, then its results.
    std::vector<ResultTable> reportTables() const;

    // The self-check: every value line of every mode that ran, and
    // «Проверить» with the texts of the rows' fields and of the tolerance
    // field (per cent), which marks each line and keeps the values with the
    // work. The reply writes the marks and the summary ("Label1").
    std::vector<SelfCheckRow> selfCheckRows() const;
    Reply checkSelf(const std::vector<std::string>& typed, std::string_view tolerance);
    // The values of a CSV of symbol;value rows into the lines of the mode
    // worked on last, then checked.
    Reply importSelfCheck(std::string_view csv);
    // The tolerance as its field shows it.
    std::string selfCheckTolerance() const;
    // The variant the work is of, as the report's author gave it; the file
    // keeps it for the lecturer's marking.
    void setVariant(std::string variant);

    const CalcState& state() const { return m_state; }
    const std::string& decimalSeparator() const { return m_separator; }
    const Translator& translator() const { return m_translate; }

private:
    // What a picture was given to draw when its screen opened: the numbers
    // of that moment, so a later pass of another mode leaves it as it was.
    struct ShownDrawing {
        ScreenId screen;
        std::string control;
        Quantities values;
        WheelDesign design;
        bool pair;
    };

    std::string shown(Number value) const;
    std::string words(std::string_view context, std::string_view source) const;
    void follow(ScreenId screen, const Outcome& outcome, Reply& reply);
    void fill(ScreenId screen, Reply& reply);
    void showGiven(ScreenId screen, const GivenInputs& given, Reply& reply) const;
    void keepDrawing(ShownDrawing drawing);
    std::string currentFileText() const;
    void writeSelfCheck(Reply& reply) const;

    CalcState m_state;
    std::string m_separator;
    Translator m_translate;
    std::vector<ShownDrawing> m_drawings;
    std::string m_fileName;
    std::string m_savedText;
};

} // namespace gear
