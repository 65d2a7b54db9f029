// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, as JSON, what the desktop program shows for the course's worked
// passes through each mode, computed by the native core the way its screens
// fill their captions: the captions, the texts of the drawings, and the
// calculation file each pass saves; and for each calculation file named,
// the captions the desktop shows once it has opened it. The browser tests
// compare the page against it.
//   worked_numbers [SEPARATOR [FILE…]]
#include "file/calculation_file.h"
#include "geometry/module_choice.h"
#include "geometry/results.h"
#include "geometry/wheel_drawing.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "strength/check_calculation.h"
#include "strength/transmission_design.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace gear;
using Captions = std::vector<std::pair<std::string, std::string>>;

std::string separator = ".";

std::string shown(Number value)
{
    return numberToText(value, separator);
}

void require(const Outcome& outcome)
{
    if (outcome.refused()) {
        std::fprintf(stderr, "refused: %s\n", outcome.refusal.text().c_str());
        std::exit(1);
    }
}

// The texts of a drawing one a line: its dimensions and notes, then its free
// texts (on a sheet: the title block and the table), in the order the SVG
// writer writes them.
std::string drawingTexts(const Drawing& drawing)
{
    std::string lines;
    for (const Annotation& a : drawing.annotations)
        lines += a.text.content + "\n";
    for (const Text& t : drawing.texts)
        lines += t.content + "\n";
    return lines;
}

// The drawing as a screen shows it (an area; its size changes where the
// texts stand, not what they say) and as it is saved, on its sheet.
void addDrawings(Captions& captions, const std::string& picture,
                 const std::function<Drawing(const DrawingTarget&)>& draw)
{
    DrawingTarget area;
    area.paper = false;
    area.width = 120;
    area.height = 130;
    area.decimalSeparator = separator;
    DrawingTarget sheet;
    sheet.decimalSeparator = separator;
    captions.emplace_back(picture + ".drawing", drawingTexts(draw(area)));
    captions.emplace_back(picture + ".sheet", drawingTexts(draw(sheet)));
}

// Hardened pair: «Цементация» twice, «Сталь 18ХГТ», Z1 = 20, T = 100, then
// the ratio and module typed, the steel row taken.
Captions transmission(const char* ratio, const char* row1, const char* row2, int steel)
{
    CalcState s = startUpState();
    chooseTransmissionMode(s);
    require(recommendHardness(s, 5));
    require(chooseSurfaceHardening(s, 3));
    require(chooseSteelGrade(s, ScreenId::stal4, 1));
    require(designTransmission(s, {"20", "", "100", ratio}));
    Captions captions{{"Vibor.Label6", shown(s.m)}};
    require(chooseModule(s, row1, row2));
    captions.insert(captions.end(), {{"okon.Label13", shown(s.sigmaF1)},
                                     {"okon.Label14", shown(s.sigmaF2)},
                                     {"okon.Label17", shown(s.sigmaH1)},
                                     {"okon.Label18", shown(s.sigmaH2)}});
    for (const PairRow& row : pairRows()) {
        if (row.pinion) {
            captions.emplace_back("okonchanie." + std::string(row.pinionName), shown(s.*row.pinion));
            captions.emplace_back("okonchanie." + std::string(row.wheelName), shown(s.*row.wheel));
        }
    }
    require(chooseFinalSteel(s, steel));
    captions.emplace_back("okonchanie.Label18", s.steelGrade);
    captions.emplace_back("okonchanie.Label25", s.steelGrade);
    const int picture = drawingPicture(s.da);
    captions.emplace_back("vivod4.Image", std::to_string(picture));
    const Quantities pair = s.results[static_cast<size_t>(Mode::Transmission)]->values;
    addDrawings(captions, "vivod4.Image" + std::to_string(picture), [&](const DrawingTarget& target) {
        return transmissionDrawing(pair, transmissionDesignOf(pair.da), target);
    });
    captions.emplace_back("file", saveCalculation(s).text);
    return captions;
}

// Z = 40, β empty, dв = 30, da as given, bw = 20, Lст = 40, the module
// given taken.
Captions wheel(const char* tipDiameter, const char* module)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    require(enterWheel(s, {"40", "", "30", tipDiameter, "20", "40"}));
    Captions captions{{"Vibor.Label6", shown(s.mcalc)}};
    require(chooseModule(s, module, ""));
    const ScreenId sketch = wheelSketchScreen(s.da);
    const std::string name(screenName(sketch));
    captions.emplace_back("sketch", name);
    for (const SketchRow& row : sketchRows(sketch))
        captions.emplace_back(name + "." + std::string(row.fieldName), shown(s.*row.value));
    const Quantities kept = s.results[static_cast<size_t>(Mode::Wheel)]->values;
    addDrawings(captions, name + ".Image1",
                [&](const DrawingTarget& target) { return wheelDrawing(kept, wheelDesignOf(kept.da), target); });
    captions.emplace_back("file", saveCalculation(s).text);
    return captions;
}

// «Не жёсткие», «Улучшение», the first grade, d = 240, z = 60, b = 40.
Captions check()
{
    CalcState s = startUpState();
    chooseCheckMode(s);
    require(chooseRequirements(s, 2));
    require(chooseThroughHardening(s, 2));
    require(chooseSteelGrade(s, ScreenId::stal2, 1));
    require(checkPermissibleLoad(s, {"240", "60", "", "40"}));
    return {{"result.Label2", shown(s.Tcalc)}, {"file", saveCalculation(s).text}};
}

// What the desktop's screens show once it has opened the file: what each Ok
// of the file, run again, handed on to the screens after it, the last Ok's
// where two wrote the same caption.
Captions opened(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const OpenedCalculation opened = openCalculation(bytes.str());
    if (!file || opened.refused()) {
        std::fprintf(stderr, "%s: %s\n", path, opened.refusal.text().c_str());
        std::exit(1);
    }
    std::map<std::string, std::string> shownOn;
    CalcState s;
    replay(s, opened.calculation.defaults, opened.calculation.steps, [&](const GivenStep& step, const Outcome& o) {
        if (o.refused())
            return;
        switch (step.screen) {
        case ScreenId::Vvod2: shownOn["Vibor.Label6"] = shown(s.m); break;
        case ScreenId::Vvod: shownOn["Vibor.Label6"] = shown(s.mcalc); break;
        case ScreenId::Vvod3: shownOn["result.Label2"] = shown(s.Tcalc); break;
        case ScreenId::okon:
            shownOn["okonchanie.Label18"] = s.steelGrade;
            shownOn["okonchanie.Label25"] = s.steelGrade;
            break;
        case ScreenId::Vibor:
            if (o.next == ScreenId::okon) {
                shownOn["okon.Label13"] = shown(s.sigmaF1);
                shownOn["okon.Label14"] = shown(s.sigmaF2);
                shownOn["okon.Label17"] = shown(s.sigmaH1);
                shownOn["okon.Label18"] = shown(s.sigmaH2);
                for (const PairRow& row : pairRows()) {
                    if (row.pinion) {
                        shownOn["okonchanie." + std::string(row.pinionName)] = shown(s.*row.pinion);
                        shownOn["okonchanie." + std::string(row.wheelName)] = shown(s.*row.wheel);
                    }
                }
            } else if (o.next) {
                const std::string name(screenName(*o.next));
                for (const SketchRow& row : sketchRows(*o.next))
                    shownOn[name + "." + std::string(row.fieldName)] = shown(s.*row.value);
            }
            break;
        default: break;
        }
    });
    return {shownOn.begin(), shownOn.end()};
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

void print(const std::string& name, const Captions& captions, bool last = false)
{
    std::printf("  %s: {", quoted(name).c_str());
    for (size_t i = 0; i < captions.size(); ++i)
        std::printf("%s%s: %s", i ? ", " : "", quoted(captions[i].first).c_str(), quoted(captions[i].second).c_str());
    std::printf("}%s\n", last ? "" : ",");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        separator = argv[1];
    std::printf("{\n");
    print("transmission", transmission("4.0", "2.5", "", 21));
    print("typedRatio", transmission("3", "2.5", "", 21));
    print("typedModule", transmission("4.0", "", "5", 21));
    print("wheel", wheel("105", "2.5"));
    print("discWheel", wheel("420", "10.0"));
    print("spokedWheel", wheel("840", "20.0"));
    for (int i = 2; i < argc; ++i)
        print(argv[i], opened(argv[i]));
    print("check", check(), true);
    std::printf("}\n");
    return 0;
}
