// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screen_catalogue.h"

#include "geometry/module_choice.h"
#include "geometry/pair_checks.h"
#include "geometry/results.h"
#include "geometry/standard_series.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/steel_table.h"
#include "material/treatment_method.h"
#include "shell/number_text.h"
#include "shell/parameters.h"
#include "shell/reference_tables.h"
#include "strength/check_calculation.h"
#include "strength/strength_tables.h"
#include "strength/transmission_design.h"

#include <algorithm>
#include <memory>

namespace gear {

namespace {

using Q = Quantities;
constexpr Mode kPair = Mode::Transmission;
constexpr Mode kWheel = Mode::Wheel;
constexpr Mode kCheck = Mode::Check;

constexpr Button kOk{"Command1", {{}, "Ok"}, ButtonAction::Ok};
constexpr Button kCloseOk{"Command1", {{}, "Ok"}, ButtonAction::Close};
constexpr Button kSaveDrawing{"Command2", GEAR_TEXT("screen", "Сохранить чертёж…"), ButtonAction::SaveDrawing};

std::string textAt(const GivenInputs& given, size_t i)
{
    return i < given.texts.size() ? given.texts[i] : std::string();
}

Outcome okHardness(CalcState& s, ScreenId, const GivenInputs& given)
{
    return recommendHardness(s, given.choice);
}

Outcome okRequirements(CalcState& s, ScreenId, const GivenInputs& given)
{
    return chooseRequirements(s, given.choice);
}

Outcome okThroughHardening(CalcState& s, ScreenId, const GivenInputs& given)
{
    return chooseThroughHardening(s, given.choice);
}

Outcome okSurfaceHardening(CalcState& s, ScreenId, const GivenInputs& given)
{
    return chooseSurfaceHardening(s, given.choice);
}

Outcome okSteelGrade(CalcState& s, ScreenId screen, const GivenInputs& given)
{
    return chooseSteelGrade(s, screen, given.choice);
}

Outcome okDesign(CalcState& s, ScreenId, const GivenInputs& given)
{
    return designTransmission(s, transmissionInputOf(given));
}

Outcome okModule(CalcState& s, ScreenId, const GivenInputs& given)
{
    return chooseModule(s, textAt(given, 0), textAt(given, 1));
}

Outcome okFinalSteel(CalcState& s, ScreenId, const GivenInputs& given)
{
    return chooseFinalSteel(s, given.choice);
}

Outcome okWheel(CalcState& s, ScreenId, const GivenInputs& given)
{
    return enterWheel(s, wheelInputOf(given));
}

Outcome okCheck(CalcState& s, ScreenId, const GivenInputs& given)
{
    return checkPermissibleLoad(s, checkInputOf(given));
}

Outcome okParameters(CalcState& s, ScreenId, const GivenInputs& given)
{
    std::array<std::string, kCoefficientCount> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = textAt(given, i);
    return applyParameters(s, texts);
}

Message noNote(const Quantities&)
{
    return {};
}

// The module the design or the wheel's tip diameter gave, which the module
// choice asks the student to match.
Number calculatedModule(const CalcState& s)
{
    return s.mode == Mode::Wheel ? s.mcalc : s.m;
}

std::vector<OptionInput> treatmentOptionsOf(ScreenId screen)
{
    std::vector<OptionInput> options;
    static constexpr std::array<std::string_view, 5> kOptions{"Option1", "Option2", "Option3", "Option4", "Option5"};
    static constexpr std::array<std::string_view, 5> kLabels{"Label1", "Label2", "Label3", "Label4", "Label5"};
    const std::vector<std::string_view> names = treatmentOptions(screen);
    for (size_t i = 0; i < names.size(); ++i)
        options.push_back({kOptions[i], kLabels[i], {"treatment", names[i]}, names[i]});
    return options;
}

// The head of both treatment tables: one head over the two sub-columns,
// whose words end under each of them, so that it reads "Средняя твёрдость
// зубьев на поверхности в сердцевине основания" across the three cells.
void addTreatmentHead(std::vector<TableCell>& cells, std::string_view head)
{
    cells.push_back({{}, {}, 0, 0, 2, 1});
    cells.push_back({head, GEAR_TEXT("screen", "Средняя твёрдость зубьев"), 0, 2, 1, 2});
    cells.push_back({{}, GEAR_TEXT("screen", "на поверхности"), 1, 2});
    cells.push_back({{}, GEAR_TEXT("screen", "в сердцевине основания"), 1, 3});
}

// The same heading of the steps in every mode.
std::array<CoreText, kModeCount> everyMode(CoreText title)
{
    return {title, title, title};
}

ScreenEntry entryOf(ScreenId id, ScreenLayout layout, CoreText title)
{
    ScreenEntry entry;
    entry.id = id;
    entry.layout = layout;
    entry.title = title;
    return entry;
}

ScreenEntry hardnessScreen()
{
    ScreenEntry e = entryOf(ScreenId::ATverd, ScreenLayout::HardnessTable,
                            GEAR_TEXT("screen", "Рекомендуемые значения твёрдости зубьев и виды ХТО"));
    e.modes = {kPair};
    e.startsChain = true;
    e.cells = {
        {"Label1", GEAR_TEXT("screen", "Область применения"), 0, 0, 2, 1},
        {{}, GEAR_TEXT("screen", "Требования\nк габаритам"), 0, 1, 2, 1},
        {{}, GEAR_TEXT("screen", "Термообработка"), 0, 2, 2, 1},
        {{}, GEAR_TEXT("screen", "Твёрдость пов-ти зуба"), 0, 3, 1, 2},
        {{}, GEAR_TEXT("screen", "шестерни"), 1, 3},
        {{}, GEAR_TEXT("screen", "колеса"), 1, 4},
        // The course's captions break long words with a hyphen and a blank.
        {"Label2",
         GEAR_TEXT("screen", "Редукторы больших раз- меров индивидуального производства,мало- нагруженные передачи"), 2,
         0},
        {"Label8", GEAR_TEXT("screen", "Нежёсткие"), 2, 1},
        {"Label9", GEAR_TEXT("screen", "Нормализация"), 2, 2},
        {"Label10", GEAR_TEXT("screen", "200...210 НВ"), 2, 3},
        {"Label11", GEAR_TEXT("screen", "160...170 НВ"), 2, 4},
        {"Label3",
         GEAR_TEXT("screen", "Редукторы общего наз- начения в единичном и мелкосерийном произ- водстве,передачи с "
                             "небольшими нагрузками"),
         3, 0},
        {"Label12", GEAR_TEXT("screen", "Нежёсткие"), 3, 1},
        {"Label17", GEAR_TEXT("screen", "Улучшение"), 3, 2},
        {"Label18", GEAR_TEXT("screen", "300...340 НВ"), 3, 3},
        {"Label19", GEAR_TEXT("screen", "240...280 НВ"), 3, 4},
        // Rows 3 and 4 share their area, requirement and treatment cells.
        {"Label4",
         GEAR_TEXT("screen", "Редукторы общего наз- начения в серийном и массовом производстве тихоходные передачи "
                             "низкой тотчности"),
         4, 0, 2, 1},
        {"Label13", GEAR_TEXT("screen", "Жёсткие"), 4, 1, 2, 1},
        {"Label20", GEAR_TEXT("screen", "Объёмная закалка\nЗакалка ТВЧ"), 4, 2, 2, 1},
        {"Label21", GEAR_TEXT("screen", "45..52 НРС"), 4, 3},
        {"Label22", GEAR_TEXT("screen", "45...52 НРС"), 4, 4},
        {"Label23", GEAR_TEXT("screen", "50..56 НРС"), 5, 3},
        {"Label24", GEAR_TEXT("screen", "50...56 НРС"), 5, 4},
        {"Label5",
         GEAR_TEXT("screen", "Транспортные и горные машины, высоконагружен- ные передачи малых и средних размеров"), 6,
         0},
        {"Label14", GEAR_TEXT("screen", "Жёсткие"), 6, 1},
        {"Label25", GEAR_TEXT("screen", "Цементация"), 6, 2},
        {"Label26", GEAR_TEXT("screen", "56..63 НРС"), 6, 3},
        {"Label27", GEAR_TEXT("screen", "56...63 НРС"), 6, 4},
        {"Label6", GEAR_TEXT("screen", "Небольшие зубчатые колёса крупносерийного и массового производства"), 7, 0},
        {"Label15", GEAR_TEXT("screen", "Жёсткие"), 7, 1},
        {"Label28", GEAR_TEXT("screen", "Нитроцементация"), 7, 2},
        {"Label29", GEAR_TEXT("screen", "56..63 НРС"), 7, 3},
        {"Label32", GEAR_TEXT("screen", "56..63 НРС"), 7, 4},
        {"Label7", GEAR_TEXT("screen", "Быстроходные точные передачи, работающие без ударов"), 8, 0},
        {"Label16", GEAR_TEXT("screen", "Жёсткие"), 8, 1},
        {"Label30", GEAR_TEXT("screen", "Азотирование"), 8, 2},
        {"Label31", GEAR_TEXT("screen", "50..60 НРС"), 8, 3},
        {"Label33", GEAR_TEXT("screen", "50...60 НРС"), 8, 4},
    };
    // Each row's option is named by its treatment alone where rows share a
    // cell of two.
    e.options = {
        {"Option1", {}, GEAR_TEXT("screen", "Нормализация"), {}},
        {"Option2", {}, GEAR_TEXT("screen", "Улучшение"), {}},
        {"Option3", {}, GEAR_TEXT("screen", "Объёмная закалка"), {}},
        {"Option4", {}, GEAR_TEXT("screen", "Закалка ТВЧ"), {}},
        {"Option5", {}, GEAR_TEXT("screen", "Цементация"), {}},
        {"Option6", {}, GEAR_TEXT("screen", "Нитроцементация"), {}},
        {"Option7", {}, GEAR_TEXT("screen", "Азотирование"), {}},
    };
    e.choiceKey = "row";
    e.highestChoice = 7;
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Твёрдость зубьев"));
    e.ok = okHardness;
    e.next = {ScreenId::BNormal2, ScreenId::Czakalka2};
    e.buttons = {kOk};
    return e;
}

ScreenEntry requirementsScreen()
{
    ScreenEntry e =
        entryOf(ScreenId::trebov2, ScreenLayout::OptionColumns, GEAR_TEXT("screen", "Требования к изготовлению"));
    e.modes = {kCheck};
    e.startsChain = true;
    e.options = {{"Option1", "Label1", {"requirements", kRequirementOptions[0]}, kRequirementOptions[0]},
                 {"Option2", "Label2", {"requirements", kRequirementOptions[1]}, kRequirementOptions[1]}};
    e.choiceKey = "option";
    e.choiceNameKey = "name";
    e.highestChoice = 2;
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Требования к изготовлению"));
    e.ok = okRequirements;
    e.next = {ScreenId::BNormal2, ScreenId::Czakalka2};
    e.buttons = {kOk};
    return e;
}

ScreenEntry treatmentScreen(ScreenId id)
{
    ScreenEntry e = entryOf(id, ScreenLayout::TreatmentTable, GEAR_TEXT("screen", "Способ обработки"));
    e.modes = {kPair, kCheck};
    e.options = treatmentOptionsOf(id);
    if (id == ScreenId::BNormal2) {
        addTreatmentHead(e.cells, "Label3");
        e.cells.push_back({"Label4", GEAR_TEXT("screen", "180...350 НВ"), 2, 2, 1, 2});
        e.cells.push_back({"Label5", GEAR_TEXT("screen", "180...350 НВ"), 3, 2, 1, 2});
        e.ok = okThroughHardening;
        e.next = {ScreenId::stal1, ScreenId::stal2};
    } else {
        addTreatmentHead(e.cells, "Label7");
        // Hardness is written the same in every language.
        e.cells.push_back({{}, {{}, "45...56 HRC"}, 2, 2, 1, 2});
        e.cells.push_back({{}, {{}, "48...58 HRC"}, 3, 2});
        e.cells.push_back({{}, {{}, "25...35 HRC"}, 3, 3});
        e.cells.push_back({{}, {{}, "57...63 HRC"}, 4, 2});
        e.cells.push_back({{}, {{}, "30...45 HRC"}, 4, 3});
        e.cells.push_back({{}, {{}, "56...63 HRC"}, 5, 2});
        e.cells.push_back({{}, {{}, "30...45 HRC"}, 5, 3});
        e.cells.push_back({{}, {{}, "50...60 HRC"}, 6, 2});
        e.cells.push_back({{}, {{}, "24...40 HRC"}, 6, 3});
        e.ok = okSurfaceHardening;
        e.next = {ScreenId::stal2, ScreenId::stal3, ScreenId::stal4, ScreenId::stal5, ScreenId::Vvod2, ScreenId::Vvod3};
    }
    e.choiceKey = "option";
    e.choiceNameKey = "name";
    e.highestChoice = static_cast<int>(e.options.size());
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Способ обработки"));
    e.buttons = {kOk};
    return e;
}

ScreenEntry steelScreen(ScreenId id)
{
    const SteelScreenContent content = steelScreenContent(id);
    ScreenEntry e = entryOf(id, ScreenLayout::OptionColumns, {"steel grade", content.title});
    e.modes = {kPair, kCheck};
    e.captions = {{"Label1", GEAR_TEXT("screen", "Выберите марку стали")}};
    static constexpr std::array<std::string_view, 5> kOptions{"Option1", "Option2", "Option3", "Option4", "Option5"};
    static constexpr std::array<std::string_view, 5> kLabels{"Label2", "Label3", "Label4", "Label5", "Label6"};
    for (size_t i = 0; i < content.grades.size(); ++i)
        e.options.push_back({kOptions[i], kLabels[i], {"steel", content.grades[i]}, content.grades[i]});
    e.choiceKey = "option";
    e.choiceNameKey = "grade";
    e.lowestChoice = 0;
    e.highestChoice = static_cast<int>(content.grades.size());
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Марка стали и пределы выносливости"));
    e.ok = okSteelGrade;
    e.next = {ScreenId::Vvod2, ScreenId::Vvod3};
    e.buttons = {kOk};
    return e;
}

ScreenEntry designInputScreen()
{
    ScreenEntry e = entryOf(ScreenId::Vvod2, ScreenLayout::Prompts, GEAR_TEXT("screen", "Ввод исходных данных"));
    e.modes = {kPair};
    e.texts = {
        {"Text1", "Label1", GEAR_TEXT("screen", "Введите число зубьев шестерни Z1"), "Z1"},
        {"Text2", "Label3", GEAR_TEXT("screen", " Введите угол наклона зубьев"), "beta", ItemList::None, true},
        {"Text3", "Label6", GEAR_TEXT("screen", "Введите вращающий момент Т,н м"), "T1"},
        {"Combo1", "Label7", GEAR_TEXT("screen", "Выберете передаточное отношение U"), "U", ItemList::GearRatios},
        // Optional: with it the pair gets its speed and accuracy grade.
        {"Text4", "Label8", GEAR_TEXT("screen", "Частота вращения шестерни n1, об/мин"), "n1", ItemList::None, false,
         false, true},
    };
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Проектный расчёт передачи"));
    e.ok = okDesign;
    e.next = {ScreenId::Vibor};
    e.buttons = {kOk};
    return e;
}

ScreenEntry checkInputScreen()
{
    ScreenEntry e = entryOf(ScreenId::Vvod3, ScreenLayout::Prompts, GEAR_TEXT("screen", "Ввод данных"));
    e.modes = {kCheck};
    e.texts = {
        {"Text1", "Label1", GEAR_TEXT("screen", "Введите делительный диаметр колеса, мм"), "d"},
        {"Text2", "Label2", GEAR_TEXT("screen", "Введите число зубьев колеса"), "z"},
        {"Text3", "Label3", GEAR_TEXT("screen", "Введите угол наклона зубьев, град"), "beta"},
        {"Text4", "Label4", GEAR_TEXT("screen", "Введите ширину зубчатого венца, мм"), "b"},
    };
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Проверочный расчёт допускаемой нагрузки"));
    e.ok = okCheck;
    e.next = {ScreenId::result};
    e.buttons = {kOk};
    return e;
}

ScreenEntry wheelInputScreen()
{
    ScreenEntry e = entryOf(ScreenId::Vvod, ScreenLayout::PromptGrid, GEAR_TEXT("screen", "Ввод исходных данных"));
    e.modes = {kWheel};
    e.startsChain = true;
    e.texts = {
        {"Text1", "Label1", GEAR_TEXT("screen", "Введите число зубьев Z"), "Z1"},
        {"Text2", "Label3", GEAR_TEXT("screen", " Введите угол наклона зубьев"), "beta", ItemList::None, true},
        {"Text4", "Label5", GEAR_TEXT("screen", "Введите диаметрвала dв,мм "), "dv"},
        {"Text5", "Label6", GEAR_TEXT("screen", "Введите диаметр окружностей вершин da,мм"), "da"},
        {"Text6", "Label7", GEAR_TEXT("screen", "Введите ширину зубчатого венца bw,мм"), "bw"},
        {"Text7", "Label9", GEAR_TEXT("screen", "Введите ширину ступицы Lст,мм"), "Lst"},
    };
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Модуль колеса по диаметру вершин"));
    e.ok = okWheel;
    e.next = {ScreenId::Vibor};
    e.buttons = {kOk};
    return e;
}

ScreenEntry moduleScreen()
{
    ScreenEntry e = entryOf(ScreenId::Vibor, ScreenLayout::ModuleChoice, GEAR_TEXT("screen", "Модули"));
    e.modes = {kPair, kWheel};
    e.captions = {
        {"Label1", GEAR_TEXT("screen", "Расчётный модуль равен")},
        {"Label2", GEAR_TEXT("screen", "Вычесленное значение модуля следует согласовать с ГОСТом приняв "
                                       "ближайшее стандартное значение. При этом первый ряд предпочтительнее.")},
        {"Label5", GEAR_TEXT("screen", "Значение модуля m, мм, ГОСТ 9563-80")},
    };
    e.texts = {
        {"Combo1", "Label3", GEAR_TEXT("screen", "Первый ряд"), "row1", ItemList::ModuleRow1},
        {"Combo2", "Label4", GEAR_TEXT("screen", "Второй ряд"), "row2", ItemList::ModuleRow2},
    };
    // The warning of the module taken, which the session's preview writes
    // while the student picks; every visit starts without it.
    e.displays = {{"Label6", nullptr, calculatedModule}, {kModuleNoteName, nullptr, nullptr, noNote}};
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Стандартный модуль, геометрия и рабочие напряжения"));
    e.walkthroughTitles[static_cast<size_t>(Mode::Wheel)] =
        GEAR_TEXT("walkthrough", "Стандартный модуль и размеры колеса");
    e.ok = okModule;
    e.next = {ScreenId::okon, ScreenId::oshibka1, ScreenId::vivod1, ScreenId::vivod2, ScreenId::vivod3};
    e.buttons = {kOk};
    return e;
}

ScreenEntry finalSteelScreen()
{
    ScreenEntry e =
        entryOf(ScreenId::okon, ScreenLayout::SteelList, GEAR_TEXT("screen", "Окончательный выбор материала"));
    e.modes = {kPair};
    // The symbols are written in Latin letters, as the course's screen has them.
    e.captions = {{"Label11", {{}, "sigmaF1="}},
                  {"Label12", {{}, "sigmaF2="}},
                  {"Label15", {{}, "sigmaH1="}},
                  {"Label16", {{}, "sigmaH2="}}};
    // The heads of the steel table over the list's columns; the narrow
    // heads break their lines at the blanks.
    e.cells = {
        {"Label1", GEAR_TEXT("screen", "Марка\nстали"), 0, 0, 2, 1},
        {"Label2", GEAR_TEXT("screen", "ГОСТ"), 0, 1, 2, 1},
        {"Label10", GEAR_TEXT("screen", "ХТО"), 0, 2, 2, 1},
        {"Label3", GEAR_TEXT("screen", "Толщина\nили ширина\nобода"), 0, 3, 2, 1},
        {"Label4", GEAR_TEXT("screen", "Твёрдость"), 0, 4, 1, 2},
        {"Label5", GEAR_TEXT("screen", "Пов-ти   сер-ны"), 1, 4, 1, 2},
        {"Label6", GEAR_TEXT("screen", "Времен\nное\nсопротив\nление"), 0, 6, 2, 1},
        {"Label7", GEAR_TEXT("screen", "Предел\nтеку\nчести"), 0, 7, 2, 1},
        {"Label8", {{}, "sigmaH"}, 0, 8, 2, 1},
        {"Label9", {{}, "sigmaF"}, 0, 9, 2, 1},
    };
    e.displays = {
        {"Label13", &Q::sigmaF1}, {"Label14", &Q::sigmaF2}, {"Label17", &Q::sigmaH1}, {"Label18", &Q::sigmaH2}};
    e.choiceKey = "steel";
    e.listControl = "Combo1";
    e.listCaption = GEAR_TEXT("screen", "Марка стали");
    e.choiceNameKey = "grade";
    e.lowestChoice = 0;
    e.highestChoice = static_cast<int>(kSteelRows.size());
    e.walkthroughTitles = everyMode(GEAR_TEXT("walkthrough", "Окончательный выбор материала"));
    e.ok = okFinalSteel;
    e.next = {ScreenId::okonchanie};
    e.buttons = {kOk};
    return e;
}

ScreenEntry pairResultsScreen()
{
    ScreenEntry e =
        entryOf(ScreenId::okonchanie, ScreenLayout::PairResults, GEAR_TEXT("screen", "Результаты расчётов"));
    e.modes = {kPair};
    e.cells = {{"Label1", GEAR_TEXT("results", "Параметр"), 0, 0},
               {"Label2", GEAR_TEXT("results", "Единица величины"), 0, 1},
               {"Label3", GEAR_TEXT("results", "Шестерня"), 0, 2},
               {{}, GEAR_TEXT("results", "колесо"), 0, 3}};
    int row = 1;
    for (const PairRow& entry : pairRows()) {
        e.cells.push_back({entry.captionName, {"results", entry.caption}, row, 0});
        // The units stand in one column beside the rows, Label11 its first cell.
        e.cells.push_back({row == 1 ? "Label11" : "", {"unit", entry.unit}, row, 1});
        e.cells.push_back({entry.pinionName, {}, row, 2});
        e.cells.push_back({entry.wheelName, {}, row, 3});
        e.displays.push_back({entry.pinionName, entry.pinion});
        e.displays.push_back({entry.wheelName, entry.wheel});
        ++row;
    }
    // Under the table, each shown only when it says something.
    e.displays.push_back({kVerdictHeadingName, nullptr, nullptr, verdictHeading});
    e.displays.push_back({"Label27", nullptr, nullptr, contactVerdict, contactOverloaded});
    e.displays.push_back({"Label28", nullptr, nullptr, pinionBendingVerdict, pinionBendingOverloaded});
    e.displays.push_back({"Label29", nullptr, nullptr, wheelBendingVerdict, wheelBendingOverloaded});
    e.displays.push_back({"Label30", nullptr, nullptr, ratioNote, ratioOutOfTolerance});
    e.displays.push_back({"Label31", nullptr, nullptr, centreDistanceNote});
    e.displays.push_back({"Label32", nullptr, nullptr, speedNote});
    e.displays.push_back({"Label33", nullptr, nullptr, forcesNote});
    e.displays.push_back({"Label34", nullptr, nullptr, undercutNote, undercutFound});
    e.displays.push_back({"Label35", nullptr, nullptr, contactRatioNote, contactRatioLow});
    e.displays.push_back({"Label36", nullptr, nullptr, rimNote});
    e.displays.push_back({"Label37", nullptr, nullptr, blankNote, blankTooLarge});
    e.buttons = {{"Command1", GEAR_TEXT("screen", "Показать рисунок"), ButtonAction::ShowDrawing},
                 {"Command2", {{}, "Ok"}, ButtonAction::Close}};
    e.next = {ScreenId::vivod4};
    return e;
}

ScreenEntry loadScreen()
{
    ScreenEntry e = entryOf(ScreenId::result, ScreenLayout::Load, GEAR_TEXT("screen", "Результаты расчётов"));
    e.modes = {kCheck};
    e.captions = {{"Label1", GEAR_TEXT("screen", "Расчётная нагрузка равна")}, {"Label3", GEAR_TEXT("unit", "Нм")}};
    e.displays = {{"Label2", &Q::Tcalc}};
    e.buttons = {kCloseOk};
    return e;
}

ScreenEntry sketchScreen(ScreenId id)
{
    ScreenEntry e = entryOf(id, ScreenLayout::Sketch, {"sketch", sketchTitle(id)});
    e.modes = {kWheel};
    for (const SketchRow& row : sketchRows(id)) {
        e.captions.push_back({row.captionName, {"sketch", row.caption}});
        e.displays.push_back({row.fieldName, row.value});
    }
    // Why the wheel is drawn to another tip diameter than the one typed,
    // when it is, under the dimensions it concerns.
    e.displays.push_back({kTipNoteName, nullptr, nullptr, wheelTipNote});
    e.buttons = {{"Command1", GEAR_TEXT("screen", "Назад"), ButtonAction::Close}, kSaveDrawing};
    return e;
}

ScreenEntry plainScreen(ScreenId id, ScreenLayout layout, CoreText title)
{
    return entryOf(id, layout, title);
}

// Numbered control names, "Text1" …, kept for the catalogue's lifetime.
std::string_view numbered(std::string_view stem, int number)
{
    static std::vector<std::unique_ptr<std::string>> names;
    for (const auto& name : names) {
        if (*name == std::string(stem) + std::to_string(number))
            return *name;
    }
    names.push_back(std::make_unique<std::string>(std::string(stem) + std::to_string(number)));
    return *names.back();
}

// A row per coefficient: its symbol, what it stands for and its field.
ScreenEntry parametersScreen()
{
    ScreenEntry e =
        plainScreen(ScreenId::nastroyka, ScreenLayout::Parameters, GEAR_TEXT("screen", "Изменение параметров"));
    for (int row = 0; row < kCoefficientCount; ++row) {
        const CoefficientInfo& info = kCoefficients[static_cast<size_t>(row)];
        const bool unused = info.use.empty();
        e.texts.push_back({numbered("Text", row + 1),
                           numbered("Label", row + 1),
                           {{}, info.name},
                           info.name,
                           ItemList::None,
                           false,
                           unused});
        e.captions.push_back({numbered("Label", row + 1 + kCoefficientCount), {"coefficient", info.meaning}});
    }
    // Where each enters, after the meanings, in the rows' order.
    for (int row = 0; row < kCoefficientCount; ++row) {
        const CoefficientInfo& info = kCoefficients[static_cast<size_t>(row)];
        e.captions.push_back({numbered("Label", row + 1 + 2 * kCoefficientCount),
                              {"coefficient", info.use.empty() ? kUnusedCoefficient : info.use}});
    }
    e.ok = okParameters;
    e.buttons = {kOk};
    return e;
}

std::vector<ScreenEntry> makeCatalogue()
{
    std::vector<ScreenEntry> all;
    all.push_back(hardnessScreen());
    all.push_back(treatmentScreen(ScreenId::BNormal2));
    all.push_back(treatmentScreen(ScreenId::Czakalka2));
    ScreenEntry walkthrough =
        plainScreen(ScreenId::hodRascheta, ScreenLayout::Walkthrough, GEAR_TEXT("screen", "Ход расчёта"));
    walkthrough.buttons = {{"Command1", GEAR_TEXT("screen", "Копировать"), ButtonAction::Copy},
                           {"Command2", GEAR_TEXT("screen", "Печать…"), ButtonAction::Print},
                           {"Command3", GEAR_TEXT("screen", "Самопроверка"), ButtonAction::SelfCheck},
                           {"Command4", GEAR_TEXT("screen", "Проверить"), ButtonAction::CheckSelf},
                           {"Command5", GEAR_TEXT("screen", "Значения из CSV…"), ButtonAction::ImportSelfCheck}};
    // The caption of the self-check's tolerance field (Text2), in per cent;
    // the layout adds the field, the summary (Label1) and, beside each value
    // line, its field (SelfN), mark (MarkN) and redone formula (OwnN).
    walkthrough.captions = {{"Label2", GEAR_TEXT("screen", "Допуск, %")}};
    all.push_back(std::move(walkthrough));
    ScreenEntry about = plainScreen(ScreenId::info, ScreenLayout::About, GEAR_TEXT("screen", "Справка"));
    about.captions = {{"Label1", GEAR_TEXT("screen", "Данная програма предназначена для закрепления знаний полученных "
                                                     "студентами на лекциях по дисциплине \"Детали машин\".")}};
    all.push_back(std::move(about));
    all.push_back(parametersScreen());
    all.push_back(finalSteelScreen());
    all.push_back(pairResultsScreen());
    ScreenEntry error = plainScreen(ScreenId::oshibka1, ScreenLayout::Message, GEAR_TEXT("screen", "Ошибка"));
    error.captions = {{"Label1", GEAR_TEXT("screen", "Выберите один из стандартных модулей")}};
    error.modes = {kPair, kWheel};
    error.buttons = {kCloseOk};
    all.push_back(std::move(error));
    all.push_back(loadScreen());
    for (ScreenId id : {ScreenId::stal1, ScreenId::stal2, ScreenId::stal3, ScreenId::stal4, ScreenId::stal5})
        all.push_back(steelScreen(id));
    all.push_back(requirementsScreen());
    all.push_back(moduleScreen());
    ScreenEntry exit = plainScreen(ScreenId::vihod, ScreenLayout::ExitQuestion, GEAR_TEXT("screen", "Выход"));
    exit.captions = {{"Label1", GEAR_TEXT("screen", "Вы уверены что хотите выйти?")}};
    exit.buttons = {{"Command1", GEAR_TEXT("screen", "Да"), ButtonAction::Yes},
                    {"Command2", GEAR_TEXT("screen", "Нет"), ButtonAction::Close}};
    all.push_back(std::move(exit));
    for (ScreenId id : {ScreenId::vivod1, ScreenId::vivod2, ScreenId::vivod3})
        all.push_back(sketchScreen(id));
    ScreenEntry drawing =
        plainScreen(ScreenId::vivod4, ScreenLayout::PairDrawing, GEAR_TEXT("screen", "Чертёж колеса"));
    drawing.modes = {kPair};
    drawing.buttons = {kCloseOk, kSaveDrawing};
    all.push_back(std::move(drawing));
    all.push_back(wheelInputScreen());
    all.push_back(designInputScreen());
    all.push_back(checkInputScreen());
    return all;
}

} // namespace

std::span<const ScreenEntry> screenCatalogue()
{
    static const std::vector<ScreenEntry> catalogue = makeCatalogue();
    return catalogue;
}

const ScreenEntry& screenEntry(ScreenId id)
{
    return screenCatalogue()[static_cast<size_t>(id)];
}

std::string screenTitle(ScreenId id, const Translator& translate)
{
    return translated(translate, screenEntry(id).title);
}

std::string optionDescription(const ScreenEntry& entry, size_t option, const Translator& translate)
{
    if (option >= entry.options.size())
        return {};
    const OptionInput& input = entry.options[option];
    if (entry.layout != ScreenLayout::HardnessTable)
        return translated(translate, input.caption);
    // The row the option marks: its area and requirement (rows 3 and 4
    // share row 3's), its treatment and the hardness of both gears.
    const int row = static_cast<int>(option) + 2;
    auto cellAt = [&](int column) {
        for (const TableCell& cell : entry.cells) {
            if (cell.column == column && cell.row <= row && row < cell.row + cell.rowSpan)
                return translated(translate, cell.text);
        }
        return std::string();
    };
    std::string area = cellAt(0);
    for (size_t at = area.find("- "); at != std::string::npos; at = area.find("- ", at))
        area.erase(at, 2);
    return fillPlaceholders(translated(translate, GEAR_TEXT("screen", "%1 %2, %3: шестерни %4, колеса %5")),
                            {area, cellAt(1), translated(translate, input.caption), cellAt(3), cellAt(4)});
}

bool isScreenOfMode(ScreenId screen, Mode mode)
{
    const ScreenEntry& entry = screenEntry(screen);
    return entry.ok && std::find(entry.modes.begin(), entry.modes.end(), mode) != entry.modes.end();
}

std::vector<ScreenId> inputScreens()
{
    std::vector<ScreenId> screens;
    for (const ScreenEntry& entry : screenCatalogue()) {
        if (entry.ok && !entry.modes.empty())
            screens.push_back(entry.id);
    }
    return screens;
}

std::vector<ScreenId> chainScreens()
{
    std::vector<ScreenId> screens;
    for (const ScreenEntry& entry : screenCatalogue()) {
        if (!entry.modes.empty())
            screens.push_back(entry.id);
    }
    return screens;
}

std::vector<std::string> listItems(ItemList list, std::string_view separator)
{
    std::vector<std::string> items;
    auto add = [&](const auto& source) {
        for (std::string_view item : source)
            items.push_back(withDecimalSeparator(item, separator));
    };
    switch (list) {
    case ItemList::GearRatios: add(kGearRatios); break;
    case ItemList::ModuleRow1: add(kModuleRow1); break;
    case ItemList::ModuleRow2: add(kModuleRow2); break;
    case ItemList::None: break;
    }
    return items;
}

std::vector<std::string_view> choiceNames(ScreenId screen)
{
    std::vector<std::string_view> names;
    if (screen == ScreenId::okon) {
        for (const SteelRow& row : kSteelRows)
            names.push_back(row.gradeName);
        return names;
    }
    for (const OptionInput& option : screenEntry(screen).options)
        names.push_back(option.fileName);
    return names;
}

Outcome runOk(CalcState& state, ScreenId screen, const GivenInputs& given)
{
    const ScreenEntry& entry = screenEntry(screen);
    return entry.ok ? entry.ok(state, screen, given) : Outcome::close();
}

} // namespace gear
