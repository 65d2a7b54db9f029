// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/self_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace gear {
namespace {

// Three lines, each standing on the one before: a = 2·x, b = a + 1,
// c = b·a, with x = 3, so a = 6, b = 7, c = 42.
Walkthrough chainOfThree()
{
    Walkthrough walkthrough;
    StepGroup group{ScreenId::Vvod2, {}, {}, {}, 1};
    group.steps.push_back({"a", "2·{x}", {3}, 6, "", {}});
    group.steps.push_back({{}, {}, {}, 0, {}, Message::verbatim("a branch taken")});
    group.steps.push_back({"b", "{a} + 1", {6}, 7, "", {}});
    group.steps.push_back({"c", "{b}·{a}", {7, 6}, 42, "", {}});
    walkthrough.modes[0] = std::vector<StepGroup>{group};
    return walkthrough;
}

SelfCheckWork typed(const std::vector<std::string>& abc)
{
    SelfCheckWork work;
    const char* symbols[] = {"a", "b", "c"};
    for (size_t i = 0; i < abc.size(); ++i)
        work.type({Mode::Transmission, symbols[i], 1}, abc[i]);
    return work;
}

struct ChainCase {
    const char* name;
    std::vector<std::string> typed;
    std::vector<LineMark> marks;
};

// A failing case names itself rather than its bytes.
void PrintTo(const ChainCase& c, std::ostream* out)
{
    *out << c.name;
}

class SelfCheckChain : public testing::TestWithParam<ChainCase> {};

TEST_P(SelfCheckChain, TellsACarriedSlipFromANewOne)
{
    const std::vector<CheckedLine> lines = checkLines(chainOfThree(), Mode::Transmission, typed(GetParam().typed));
    ASSERT_EQ(lines.size(), 3u) << "the decision is no value line";
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].mark, GetParam().marks[i]) << lines[i].line.key.symbol;
}

using M = LineMark;
INSTANTIATE_TEST_SUITE_P(
    Lines, SelfCheckChain,
    testing::Values(
        ChainCase{"AllRight", {"6", "7", "42"}, {M::Right, M::Right, M::Right}},
        ChainCase{"CommaAndBlanks", {" 6,0 ", "7.00", "4.2e1"}, {M::Right, M::Right, M::Right}},
        ChainCase{"WithinHalfAPerCent", {"6.02", "6.97", "42.2"}, {M::Right, M::Right, M::Right}},
        ChainCase{"BeyondHalfAPerCent", {"6.04", "7", "42.3"}, {M::Wrong, M::Right, M::RightByOwnData}},
        ChainCase{"BeyondHalfAPerCentEvenByOwnData", {"6.04", "7.1", "42.3"}, {M::Wrong, M::Wrong, M::Wrong}},
        // 5 → b = 5 + 1 = 6, c = 6·5 = 30: every later line right by the
        // student's own numbers.
        ChainCase{"EarlySlipCarried", {"5", "6", "30"}, {M::Wrong, M::RightByOwnData, M::RightByOwnData}},
        // b slips afresh, c goes on from it: 8·6.
        ChainCase{"LateSlipCarried", {"6", "8", "48"}, {M::Right, M::Wrong, M::RightByOwnData}},
        ChainCase{"TwoSlips", {"5", "9", "45"}, {M::Wrong, M::Wrong, M::RightByOwnData}},
        ChainCase{"NewSlipAfterACarriedOne", {"5", "6", "31"}, {M::Wrong, M::RightByOwnData, M::Wrong}},
        // Right by the program's numbers is right, whatever came before.
        ChainCase{"RightDespiteAnEarlierSlip", {"5", "7", "42"}, {M::Wrong, M::Right, M::Right}},
        ChainCase{"NotANumber", {"6", "7 мм", "x"}, {M::Right, M::Unreadable, M::Unreadable}},
        ChainCase{"APageOfZeros", {"6." + std::string(80, '0'), "7", "42"}, {M::Unreadable, M::Right, M::Right}},
        // A line left out lends no value: c is redone with the program's b.
        ChainCase{"GapTakesTheProgramsValue", {"5", "", "35"}, {M::Wrong, M::NotGiven, M::RightByOwnData}},
        ChainCase{"NothingTyped", {}, {M::NotGiven, M::NotGiven, M::NotGiven}}),
    [](const testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.name); });

TEST(SelfCheck, ShowsTheFormulaWithTheStudentsOwnEarlierValues)
{
    const std::vector<CheckedLine> lines = checkLines(chainOfThree(), Mode::Transmission, typed({"5", "9", "1"}), ",");
    EXPECT_EQ(lines[1].ownSubstituted, "5 + 1");
    EXPECT_EQ(lines[2].ownSubstituted, "9·5");
    ASSERT_TRUE(lines[2].ownValue.has_value());
    EXPECT_DOUBLE_EQ(*lines[2].ownValue, 45);
    SelfCheckWork wide = typed({"6", "7", "44"});
    wide.tolerance = 5;
    EXPECT_EQ(checkLines(chainOfThree(), Mode::Transmission, wide)[2].mark, LineMark::Right);
}

TEST(SelfCheck, AnotherModeOrAnUnrunModeHasNoLines)
{
    EXPECT_TRUE(checkLines(chainOfThree(), Mode::Check, typed({"6"})).empty());
    EXPECT_TRUE(valueLines(Walkthrough{}, Mode::Transmission).empty());
}

struct ImportCase {
    const char* name;
    std::string csv;
    std::vector<TypedValue> values;
    std::string refusal;
};

void PrintTo(const ImportCase& c, std::ostream* out)
{
    *out << c.name;
}

class SelfCheckImport : public testing::TestWithParam<ImportCase> {};

TEST_P(SelfCheckImport, ReadsSymbolAndValueRows)
{
    Walkthrough walkthrough = chainOfThree();
    // A second line of a's, as a pass that computes a symbol twice.
    (*walkthrough.modes[0])[0].steps.push_back({"a", "{c}/7", {42}, 6, "", {}});
    const ImportedValues imported = importTypedValues(GetParam().csv, walkthrough, Mode::Transmission);
    EXPECT_EQ(imported.refusal.text(), GetParam().refusal);
    EXPECT_EQ(imported.values, GetParam().values);
}

// A student's value is a number in full, with a point or a comma, or none:
// nothing after it, no second separator, an exponent only with digits.
TEST(TypedNumber, IsANumberInFullOrNone)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {{"6", 6},      {" 42,5 ", 42.5}, {"-1.5e3", -1500}, {"+2", 2},    {".5", 0.5}, {"12x", {}},
                 {"2,5,3", {}}, {"2.5.3", {}},    {"1,5.3", {}},     {"e5", {}},   {"1e", {}},  {"1e+", {}},
                 {"1e999", {}}, {"", {}},         {",", {}},         {"12 5", {}}, {"--1", {}}, {"1e5x", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(typedNumber(c.text), c.value) << '"' << c.text << '"';
}

const ValueLineKey kA{Mode::Transmission, "a", 1};
const ValueLineKey kA2{Mode::Transmission, "a", 2};
const ValueLineKey kC{Mode::Transmission, "c", 1};

INSTANTIATE_TEST_SUITE_P(
    Rows, SelfCheckImport,
    testing::Values(
        ImportCase{"PlainRows", "a;6\nc;42,5\n", {{kA, "6"}, {kC, "42,5"}}, ""},
        ImportCase{
            "HeaderCommentsBlankLinesAndTabs", "\xEF\xBB\xBFsymbol;value\r\n# mine\n\nc\t42\r\n", {{kC, "42"}}, ""},
        ImportCase{"ASymbolAgainIsItsNextLine", "a;6\nc;1\na;6.1\n", {{kA, "6"}, {kC, "1"}, {kA2, "6.1"}}, ""},
        ImportCase{"UnknownSymbol", "a;6\nq;1\n", {}, "Строка 2: в ходе расчёта нет строки q."},
        ImportCase{"OneLineTooMany", "a;1\na;2\na;3\n", {}, "Строка 3: в ходе расчёта нет строки a."},
        ImportCase{"NoNumber", "a;6\nc;сорок\n", {}, "Строка 2: после «;» нужно число, например «σH1;803,3»."}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace gear
