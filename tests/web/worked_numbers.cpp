// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, as JSON, what the desktop program shows for the course's worked
// passes through each mode, computed by the native core the way its screens
// fill their captions. The browser tests compare the page against it.
//   worked_numbers [SEPARATOR]
#include "geometry/module_choice.h"
#include "geometry/results.h"
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
        std::fprintf(stderr, "refused: %s\n", outcome.refusal.c_str());
        std::exit(1);
    }
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
    captions.emplace_back("vivod4.Image", std::to_string(drawingPicture(s.da)));
    return captions;
}

// Z = 40, β empty, dв = 30, da = 105, bw = 20, the module 2.5 taken.
Captions wheel()
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    require(enterWheel(s, {"40", "", "30", "105", "20", ""}));
    Captions captions{{"Vibor.Label6", shown(s.mcalc)}};
    require(chooseModule(s, "2.5", ""));
    const ScreenId sketch = wheelSketchScreen(s.da);
    captions.emplace_back("sketch", std::string(screenName(sketch)));
    for (const SketchRow& row : sketchRows(sketch))
        captions.emplace_back(std::string(screenName(sketch)) + "." + std::string(row.fieldName), shown(s.*row.value));
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
    return {{"result.Label2", shown(s.Tcalc)}};
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

void print(const char* name, const Captions& captions, bool last = false)
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
    print("wheel", wheel());
    print("check", check(), true);
    std::printf("}\n");
    return 0;
}
