// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every screen of the program as data: its title, the controls it reads and
// shows with their names and captions, its static table, what its Ok runs
// and which screens may follow. The desktop, the page, the calculation file
// and the command line all read it, so a screen is described once.

#include "shell/calc_state.h"
#include "shell/message.h"
#include "shell/mode.h"
#include "shell/outcome.h"
#include "shell/screen_id.h"
#include "shell/walkthrough.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

// How a screen is laid out; each front-end has one way of building each.
enum class ScreenLayout {
    HardnessTable,  // ATverd: the table of recommended hardness, an option per row
    TreatmentTable, // BNormal2, Czakalka2: treatments with their hardness, an option each
    OptionColumns,  // trebov2 and the steel screens: a heading or prompt over columns of options
    Prompts,        // Vvod2, Vvod3: prompts each above its field
    PromptGrid,     // Vvod: prompts beside their fields, in the course's serif type
    ModuleChoice,   // Vibor
    SteelList,      // okon
    PairResults,    // okonchanie
    Load,           // result
    Sketch,         // vivod1–vivod3
    PairDrawing,    // vivod4
    Message,        // oshibka1
    About,          // info
    Parameters,     // nastroyka
    Walkthrough,    // hodRascheta
    ExitQuestion,   // vihod
};

// The list a field offers.
enum class ItemList { None, GearRatios, ModuleRow1, ModuleRow2 };

// A field whose text the screen's Ok reads, in the order it reads them.
struct TextInput {
    std::string_view control; // "Text1", "Combo1" …
    std::string_view label;   // the caption's control, "Label1" …
    CoreText caption;
    std::string_view fileKey; // the field's name in the calculation file
    ItemList items = ItemList::None;
    bool helixAngle = false; // the caption is followed by the β sign
    // Shown greyed: kept and saved, but no formula of the method reads it.
    bool muted = false;
    // The Ok goes without it (the last texts only): a file holds it only
    // when it was typed.
    bool optional = false;
};

// An option of the screen's one group, numbered from 1 in this order.
struct OptionInput {
    std::string_view control;  // "Option1" …
    std::string_view label;    // the control of its visible caption, if it has one
    CoreText caption;          // what it stands for (a treatment, a grade, a row)
    std::string_view fileName; // the name the calculation file gives beside its number
};

// A cell of a screen's fixed table: the control that shows it (none for an
// unnamed cell), its text, and where it stands in the grid.
struct TableCell {
    std::string_view control;
    CoreText text;
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
};

// A caption of a screen outside its table.
struct Caption {
    std::string_view control;
    CoreText text;
};

// What a button does; each front-end carries it out its own way.
enum class ButtonAction {
    Ok,              // runs the screen's Ok through the session
    Close,           // hides the screen, which keeps what it holds
    ShowDrawing,     // the pair's drawing
    SaveDrawing,     // the drawing shown, on its sheet, into a file
    Copy,            // the walkthrough as text onto the clipboard
    Print,           // the walkthrough printed
    SelfCheck,       // the walkthrough's self-check shown or left
    CheckSelf,       // the student's values marked (Session::checkSelf)
    ImportSelfCheck, // the student's values from a CSV of symbol;value
    Yes,             // the exit confirmed
};

struct Button {
    std::string_view control;
    CoreText caption;
    ButtonAction action;
};

// A value a screen shows, written whenever the screen opens: a number of
// the state, one computed from it, a note on the numbers of the screen's
// mode (shown only when it says something), or (none given) the steel taken.
struct Display {
    std::string_view control;
    Number Quantities::*value = nullptr;
    Number (*compute)(const CalcState& state) = nullptr;
    Message (*note)(const Quantities& values) = nullptr;
    // A note that, when this says so, is a warning (shown in red).
    bool (*warns)(const Quantities& values) = nullptr;
};

// What a screen's Ok does with what it was given.
using OkFunction = Outcome (*)(CalcState& state, ScreenId screen, const GivenInputs& given);

struct ScreenEntry {
    ScreenId id = ScreenId::ATverd;
    ScreenLayout layout = ScreenLayout::Message;
    CoreText title; // the window title
    // The chains the screen belongs to: a file keeps its Oks under these.
    std::vector<Mode> modes;
    bool startsChain = false;
    std::vector<TextInput> texts;
    std::vector<OptionInput> options;
    std::vector<TableCell> cells; // the screen's table, heads first
    std::vector<Caption> captions;
    std::vector<Display> displays; // a sketch's dimensions in the order of its captions, then its note
    std::vector<Button> buttons;   // left to right; the first is pressed by Enter
    // How a file names the choice: the option, row or list item (empty for
    // a screen of texts), and the name given beside its number.
    std::string_view choiceKey;
    std::string_view choiceNameKey;
    // The fixed list whose item is the choice, for a screen that has one,
    // and what a screen reader calls it.
    std::string_view listControl;
    CoreText listCaption;
    // The lowest choice the Ok runs with (a steel screen whose rule needs no
    // grade runs with none marked) and the highest.
    int lowestChoice = 1;
    int highestChoice = 0;
    OkFunction ok = nullptr; // none: the screen's buttons only close it
    // The heading of its Ok's steps in the walkthrough, by the mode the Ok
    // ran in.
    std::array<CoreText, kModeCount> walkthroughTitles{};
    std::vector<ScreenId> next;
};

// What a screen reader says for an option: the whole row of a table the
// option marks, or its caption.
std::string optionDescription(const ScreenEntry& entry, size_t option, const Translator& translate = {});

// The window title in the language of `translate`.
std::string screenTitle(ScreenId id, const Translator& translate = {});

// Every screen, in the order of ScreenId.
std::span<const ScreenEntry> screenCatalogue();
const ScreenEntry& screenEntry(ScreenId id);

// Whether a screen's Ok belongs to a mode's chain.
bool isScreenOfMode(ScreenId screen, Mode mode);

// The screens whose Ok a file brings back, and every screen of a chain.
std::vector<ScreenId> inputScreens();
std::vector<ScreenId> chainScreens();

// The items of a list, numbers written with `decimalSeparator`.
std::vector<std::string> listItems(ItemList list, std::string_view decimalSeparator);

// The names of the choices of a screen, 1 first.
std::vector<std::string_view> choiceNames(ScreenId screen);

// The notes under the pair's results table: the verdicts of strength, then
// the checks of the pair's geometry, speed and forces.
inline constexpr std::string_view kVerdictHeadingName = "Label26";

// The module choice's warning of the module taken, written by the session's
// preview as the student picks.
inline constexpr std::string_view kModuleNoteName = "Label7";
// What a steel that carries the pair has after its row on the final choice.
inline constexpr std::string_view kPassingSteelMark = GEAR_TR_NOOP("steel table", "  ← подходит");

// Runs a screen's Ok on the state.
Outcome runOk(CalcState& state, ScreenId screen, const GivenInputs& given);

} // namespace gear
