// SPDX-License-Identifier: GPL-3.0-or-later
// The sheets of each wheel kind and of the pair, and their pictures on
// screen, against their golden structure: per group of the SVG its pen, how
// many elements it holds, their extent and the sum of their coordinates, and
// every text with its place and length, to 0.1 mm. A
// change of the drawings is taken on purpose by running the test with
// GEAR_REFRESH_GOLDEN=1, which writes the new structure for review.
#include "geometry/module_choice.h"
#include "geometry/svg_writer.h"
#include "geometry/wheel_drawing.h"
#include "geometry/wheel_input.h"
#include "material/final_material.h"
#include "shell/mode_commands.h"
#include "strength/transmission_design.h"

#include "design_states.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <regex>
#include <sstream>

namespace gear {
namespace {

double number(const std::string& text)
{
    double value = 0;
#if defined(__cpp_lib_to_chars)
    std::from_chars(text.data(), text.data() + text.size(), value);
#else
    // emscripten's libc++ reads no floating numbers with from_chars.
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> value;
#endif
    return value;
}

std::string tenth(double mm)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(std::ios::fixed);
    out.precision(1);
    out << (std::abs(mm) < 0.05 ? 0.0 : mm);
    return out.str();
}

std::string attribute(const std::string& attributes, const char* name)
{
    const std::string key = std::string(" ") + name + "=\"";
    const size_t at = attributes.find(key);
    if (at == std::string::npos)
        return {};
    const size_t from = at + key.size();
    return attributes.substr(from, attributes.find('"', from) - from);
}

// The structure of an SVG sheet as lines of text.
std::string structure(const std::string& svg)
{
    std::ostringstream out;
    const std::regex tag(R"(<(/?)(\w+)([^>]*)>([^<]*))");
    const std::regex coordinate(R"(-?\d+(\.\d+)?)");
    std::string group;
    std::string pen;
    int count = 0;
    // A part moved inside the group's extent still moves the sum.
    double sum = 0;
    double box[4] = {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    auto flush = [&] {
        if (group.empty())
            return;
        out << "group " << group << pen << " count " << count;
        if (count > 0)
            out << " box " << tenth(box[0]) << " " << tenth(box[1]) << " " << tenth(box[2]) << " " << tenth(box[3])
                << " sum " << tenth(sum);
        out << "\n";
        group.clear();
    };
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), tag); it != std::sregex_iterator(); ++it) {
        const std::string closing = (*it)[1];
        const std::string name = (*it)[2];
        const std::string attributes = (*it)[3];
        if (name == "g" && closing.empty() && !attribute(attributes, "id").empty()) {
            flush();
            group = attribute(attributes, "id");
            pen = " width " + attribute(attributes, "stroke-width") + " dashes " +
                  attribute(attributes, "stroke-dasharray");
            count = 0;
            sum = 0;
            box[0] = box[1] = std::numeric_limits<double>::infinity();
            box[2] = box[3] = -std::numeric_limits<double>::infinity();
        } else if (name == "g" && !closing.empty()) {
            flush();
        } else if (name == "text" && closing.empty()) {
            out << "text " << tenth(number(attribute(attributes, "x"))) << " "
                << tenth(number(attribute(attributes, "y"))) << " length "
                << tenth(number(attribute(attributes, "textLength"))) << " size "
                << tenth(number(attribute(attributes, "font-size"))) << " " << (*it)[4] << "\n";
        } else if (!group.empty() && closing.empty()) {
            ++count;
            std::vector<double> xy;
            for (const char* a : {"points", "x1", "y1", "x2", "y2", "cx", "cy"}) {
                const std::string value = attribute(attributes, a);
                for (auto n = std::sregex_iterator(value.begin(), value.end(), coordinate); n != std::sregex_iterator();
                     ++n)
                    xy.push_back(number(n->str()));
            }
            // points are pairs; x1 y1 x2 y2 and cx cy too
            for (size_t i = 0; i + 1 < xy.size(); i += 2) {
                sum += xy[i] + xy[i + 1];
                box[0] = std::min(box[0], xy[i]);
                box[1] = std::min(box[1], xy[i + 1]);
                box[2] = std::max(box[2], xy[i]);
                box[3] = std::max(box[3], xy[i + 1]);
            }
        }
    }
    return out.str();
}

// The wheel mode's pass with 40 teeth and the module nearest da/42, or with
// the inputs given.
CalcState wheelState(const std::string& da, const std::string& module, std::optional<WheelInput> inputs = {})
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    EXPECT_FALSE(enterWheel(s, inputs.value_or(WheelInput{"40", "", "30", da, "20", "40"})).refused());
    EXPECT_FALSE(chooseModule(s, module, "").refused());
    return s;
}

CalcState designedPairState(const char* ratio = "4.0", const char* module = "2.5", const char* pinionTeeth = "20")
{
    CalcState s = hardenedPair(950, 950);
    EXPECT_FALSE(designTransmission(s, {pinionTeeth, "", "100", ratio}).refused());
    EXPECT_FALSE(chooseModule(s, module, "").refused());
    EXPECT_FALSE(chooseFinalSteel(s, 21).refused());
    return s;
}

struct GoldenCase {
    const char* name;
    CalcState state;
    Mode mode;
    DrawingTarget target = {};
};

std::string goldenPath(const std::string& name)
{
    return std::string(GEAR_GOLDEN_DIR) + "/" + name + ".txt";
}

TEST(GoldenSheets, EachWheelKindAndThePairKeepTheirStructureOnPaperAndOnScreen)
{
    const std::vector<GoldenCase> cases{
        {"solid105", wheelState("105", "2.5"), Mode::Wheel},
        {"disc420", wheelState("420", "10"), Mode::Wheel},
        {"spoked840", wheelState("840", "20"), Mode::Wheel},
        {"pair", designedPairState(), Mode::Transmission},
        // Where the usual places are taken: a shaft nearly as thick as the
        // root circle, a rim wider than the hub, the smallest wheel.
        {"thickShaft300", wheelState("", "5", WheelInput{"58", "", "200", "300", "60", "80"}), Mode::Wheel},
        {"wide250", wheelState("", "5", WheelInput{"48", "", "40", "250", "120", "60"}), Mode::Wheel},
        {"tiny20", wheelState("", "1", WheelInput{"18", "", "6", "20", "8", "10"}), Mode::Wheel},
        // The pictures of the screens: the scale that fills the area, and
        // the largest standard one.
        {"solid105-screen", wheelState("105", "2.5"), Mode::Wheel, screenArea(90, 60)},
        {"spoked840-screen", wheelState("840", "20"), Mode::Wheel, screenArea(110, 80, true)},
        {"pair-screen", designedPairState(), Mode::Transmission, screenArea(120, 90)},
        // Areas too small for the dimensions at any first guess of the scale.
        {"solid105-small", wheelState("105", "2.5"), Mode::Wheel, screenArea(40, 30)},
        {"disc420-small", wheelState("420", "10"), Mode::Wheel, screenArea(60, 24)},
        // Discs whose holes or rim take the dimension's usual place.
        {"disc300", wheelState("", "5", WheelInput{"58", "", "60", "300", "60", "80"}), Mode::Wheel},
        {"disc500", wheelState("", "8", WheelInput{"60", "", "80", "500", "40", "100"}), Mode::Wheel},
        // Crowded: a small wheel twice as wide as it is deep, on paper and
        // on screen, and a large one with a thin rim on a thick shaft, whose
        // texts must keep apart.
        {"narrow40", wheelState("", "1.82", WheelInput{"20", "", "4", "40", "40", "60"}), Mode::Wheel},
        {"narrow40-screen", wheelState("", "1.82", WheelInput{"20", "", "4", "40", "40", "60"}), Mode::Wheel,
         screenArea(110, 80)},
        {"thinRim840", wheelState("", "38.18", WheelInput{"20", "", "305", "840", "10", "15"}), Mode::Wheel},
        // A pair whose gears have spokes; a wheel so wide and so bored that
        // some notes find no free place and stand far out.
        {"pair-spoked", designedPairState("2.0", "20", "40"), Mode::Transmission},
        {"crowded600", wheelState("", "14.29", WheelInput{"40", "", "450", "600", "500", "675"}), Mode::Wheel},
    };
    const bool refresh = std::getenv("GEAR_REFRESH_GOLDEN") != nullptr;
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Drawing> d = modeDrawing(c.state, c.mode, c.target);
        ASSERT_TRUE(d);
        const std::string now = structure(drawingSvg(*d));
        if (refresh) {
            std::ofstream(goldenPath(c.name), std::ios::binary) << now;
            continue;
        }
        std::ifstream file(goldenPath(c.name), std::ios::binary);
        if (!file)
            GTEST_SKIP() << "no golden file where the test runs: " << goldenPath(c.name);
        const std::string golden((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        // Line by line, so that a failure names what moved.
        std::istringstream a(golden), b(now);
        std::string expected, actual;
        int line = 0;
        while (std::getline(a, expected)) {
            ++line;
            std::getline(b, actual);
            EXPECT_EQ(actual, expected) << "line " << line;
            if (actual != expected)
                break;
        }
        EXPECT_EQ(golden.size(), now.size());
    }
}

} // namespace
} // namespace gear
