// SPDX-License-Identifier: GPL-3.0-or-later
// The sheets of each wheel kind and of the pair against their golden
// structure: per group of the SVG its pen, how many elements it holds and
// their extent, and every text with its place and length, to 0.1 mm. A
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
    const std::regex pattern(std::string("\\b") + name + "=\"([^\"]*)\"");
    std::smatch m;
    return std::regex_search(attributes, m, pattern) ? m[1].str() : std::string();
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
    double box[4] = {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    auto flush = [&] {
        if (group.empty())
            return;
        out << "group " << group << pen << " count " << count;
        if (count > 0)
            out << " box " << tenth(box[0]) << " " << tenth(box[1]) << " " << tenth(box[2]) << " " << tenth(box[3]);
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
                box[0] = std::min(box[0], xy[i]);
                box[1] = std::min(box[1], xy[i + 1]);
                box[2] = std::max(box[2], xy[i]);
                box[3] = std::max(box[3], xy[i + 1]);
            }
        }
    }
    return out.str();
}

// The wheel mode's pass with 40 teeth and the module nearest da/42.
CalcState wheelState(const std::string& da, const std::string& module)
{
    CalcState s = startUpState();
    chooseWheelMode(s);
    EXPECT_FALSE(enterWheel(s, {"40", "", "30", da, "20", "40"}).refused());
    EXPECT_FALSE(chooseModule(s, module, "").refused());
    return s;
}

CalcState designedPairState()
{
    CalcState s = hardenedPair(950, 950);
    EXPECT_FALSE(designTransmission(s, {"20", "", "100", "4.0"}).refused());
    EXPECT_FALSE(chooseModule(s, "2.5", "").refused());
    EXPECT_FALSE(chooseFinalSteel(s, 21).refused());
    return s;
}

struct GoldenCase {
    const char* name;
    CalcState state;
    Mode mode;
};

std::string goldenPath(const std::string& name)
{
    return std::string(GEAR_GOLDEN_DIR) + "/" + name + ".txt";
}

TEST(GoldenSheets, EachWheelKindAndThePairKeepTheirStructure)
{
    const std::vector<GoldenCase> cases{
        {"solid105", wheelState("105", "2.5"), Mode::Wheel},
        {"disc420", wheelState("420", "10"), Mode::Wheel},
        {"spoked840", wheelState("840", "20"), Mode::Wheel},
        {"pair", designedPairState(), Mode::Transmission},
    };
    const bool refresh = std::getenv("GEAR_REFRESH_GOLDEN") != nullptr;
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Drawing> d = modeDrawing(c.state, c.mode, DrawingTarget{});
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
