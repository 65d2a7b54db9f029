// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the drawings of the course's worked examples and of extreme wheels
// as DXF and SVG files into a folder, for readers other than ours to check.
// The C library's locale is the one it is started in, as the desktop
// program's is.
#include "geometry/dxf_writer.h"
#include "geometry/module_choice.h"
#include "geometry/svg_writer.h"
#include "geometry/wheel_drawing.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "material/hardness_recommendation.h"
#include "shell/mode_commands.h"
#include "strength/transmission_design.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

bool write(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

bool save(const std::string& folder, const std::string& name, const gear::Drawing& drawing)
{
    return write(folder + "/" + name + ".dxf", gear::drawingDxf(drawing)) &&
           write(folder + "/" + name + ".svg", gear::drawingSvg(drawing));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: write_samples FOLDER\n";
        return 2;
    }
    std::setlocale(LC_ALL, "");
    if (std::getenv("GEAR_EXPECT_DECIMAL_COMMA") && std::localeconv()->decimal_point[0] != ',') {
        std::cerr << "The locale " << std::setlocale(LC_NUMERIC, nullptr)
                  << " has no decimal comma: generate ru_RU.UTF-8.\n";
        return 2;
    }
    const std::string folder = argv[1];
    struct Wheel {
        const char* name;
        const char* da;
        const char* bw;
        const char* dv;
        const char* m;
    };
    const Wheel wheels[] = {{"solid105", "105", "20", "30", "2.5"},    {"disc420", "420", "20", "30", "10"},
                            {"spoked840", "840", "20", "30", "20"},    {"tiny20", "20", "5", "5", "0.48"},
                            {"thin4000", "4000", "5", "30", "95.24"},  {"wide250", "250", "500", "30", "5.95"},
                            {"thickShaft300", "300", "40", "100", "5"}};
    for (const Wheel& w : wheels) {
        gear::CalcState s = gear::startUpState();
        gear::chooseWheelMode(s);
        if (gear::enterWheel(s, {"40", "", w.dv, w.da, w.bw, "40"}).refused() ||
            gear::chooseModule(s, w.m, "").refused()) {
            std::cerr << w.name << ": refused\n";
            return 1;
        }
        if (!save(folder, w.name, *gear::modeDrawing(s, gear::Mode::Wheel, gear::DrawingTarget{})))
            return 1;
    }
    gear::CalcState pair = gear::startUpState();
    gear::chooseTransmissionMode(pair);
    gear::recommendHardness(pair, 5);
    pair.sigmaF1 = 950;
    pair.sigmaF2 = 950;
    pair.sigmaH1 = 1000;
    pair.sigmaH2 = 1000;
    gear::keepMaterial(pair, gear::Mode::Transmission);
    if (gear::designTransmission(pair, {"20", "", "100", "4.0"}).refused() ||
        gear::chooseModule(pair, "2.5", "").refused() || gear::chooseFinalSteel(pair, 21).refused())
        return 1;
    return save(folder, "pair", *gear::modeDrawing(pair, gear::Mode::Transmission, gear::DrawingTarget{})) ? 0 : 1;
}
