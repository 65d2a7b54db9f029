// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/variant_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gear {
namespace {

struct NumberCase {
    const char* text;
    bool plain;
};

class PlainNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(PlainNumber, IsANumberWrittenInFullWithAPoint)
{
    EXPECT_EQ(isPlainNumber(GetParam().text), GetParam().plain) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainNumber,
                         testing::Values(NumberCase{"20", true}, NumberCase{"2.5", true}, NumberCase{"-0.5", true},
                                         NumberCase{"+4", true}, NumberCase{".5", true}, NumberCase{"5.", true},
                                         NumberCase{"1e3", true}, NumberCase{"1.5E-2", true}, NumberCase{"", false},
                                         NumberCase{"2,5", false}, NumberCase{"2O", false}, NumberCase{"1e", false},
                                         NumberCase{".", false}, NumberCase{"1 0", false}, NumberCase{"-", false}),
                         [](const testing::TestParamInfo<NumberCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST(Csv, SplitsCellsQuotesLinesAndSkipsCommentsAndBlankLines)
{
    const std::string text = "\xEF\xBB\xBF"
                             "a,b,c\r\n"
                             "# a comment, with commas\n"
                             "\n"
                             "1,\"two, and \"\"three\"\"\",\n"
                             "\"multi\nline\",x,y\n"
                             "last,row,here";
    std::vector<CsvRecord> records;
    int bad = 0;
    ASSERT_TRUE(parseCsv(text, records, bad));
    ASSERT_EQ(records.size(), 4U);
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[0].cells, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(records[1].line, 4);
    EXPECT_EQ(records[1].cells, (std::vector<std::string>{"1", "two, and \"three\"", ""}));
    EXPECT_EQ(records[2].line, 5);
    EXPECT_EQ(records[2].cells, (std::vector<std::string>{"multi\nline", "x", "y"}));
    EXPECT_EQ(records[3].line, 7);
    EXPECT_EQ(csvCell("two, and \"three\""), "\"two, and \"\"three\"\"\"");
    EXPECT_EQ(csvCell("Сталь 45"), "Сталь 45");

    records.clear();
    EXPECT_FALSE(parseCsv("a,b\n1,\"open\n2,3\n", records, bad));
    EXPECT_EQ(bad, 2);
}

const char* const kList = "variant,mode,row,treatment,steel,Z1,beta,T1,U,m,final_steel,requirement,d,z,b,dv,da,bw,Lst\n"
                          "1,transmission,5,3,1,20,,100,4.0,2.5,21,,,,,,,,\n"
                          "2,transmission,5,Цементация,18ХГТ,20,,100,4,2.50,,,,,,,,,\n"
                          "3,wheel,,,,40,,30,,2.5,,,,,,30,105,20,77\n"
                          "4,check,,3,1,,,,,,,1,240,60,40,,,,\n"
                          "5,transmission,9,3,1,20,,100,4,2.5,,,,,,,,,\n"
                          "6,transmission,5,3,1,2O,,100,4,2.5,,,,,,,,,\n"
                          "7,transmission,5,3,1,20,,100,4,2.6,,,,,,,,,\n"
                          "8,transmission,5,3,1,0,,100,4,2.5,,,,,,,,,\n"
                          "9,transmission,5,5,1,20,,100,4,2.5,,,,,,,,,\n"
                          "1,wheel,,,,40,,30,,2.5,,,,,,30,105,20,77\n"
                          "11,spiral,,,,,,,,,,,,,,,,,\n"
                          "12,check,,3\n";

TEST(Variants, GoodRowsAreAnsweredAndBadOnesSkippedWithTheirLine)
{
    const VariantRun run = computeVariants(kList);
    ASSERT_TRUE(run.fatal.empty()) << run.fatal;
    ASSERT_EQ(run.results.size(), 4U);
    const std::vector<std::pair<int, std::string>> expected{
        {6, "в строке 9 ячеек"},
        {7, "в столбце Z1 стоит «2O», а нужно число, записанное с точкой."},
        {8, "модуля 2.6 мм нет в рядах ГОСТ 9563-80."},
        {9, "Число зубьев шестерни Z1 должно быть целым, от 10 до 200: меньше 10 зубьев без смещения не нарезать."},
        {10, "при азотировании сталь одна (30Х2МЮА): оставьте столбец steel пустым."},
        {11, "вариант «1» уже был в строке 2."},
        {12, "в столбце mode стоит «spiral», а нужно transmission, wheel или check."},
        {13, "в строке 4 ячеек, а в заголовке 19."},
    };
    ASSERT_EQ(run.errors.size(), expected.size() + 0) << run.errors.front().message;
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(run.errors[i].line, expected[i].first) << run.errors[i].message;
        if (i > 0) {
            EXPECT_EQ(run.errors[i].message, expected[i].second);
        }
    }
}

TEST(Variants, AnswersAreTheHandWorkedNumbers)
{
    const VariantRun run = computeVariants(kList);
    const std::string csv = answersCsv(run);
    const std::string head = "line,variant,mode,m_design,m,d1,d2,da1,da2,df1,df2,aw,bw1,bw2,sigmaF1,sigmaF2,sigmaH1,"
                             "sigmaH2,steel,mcalc,m,design,d,df,da,dvStd,bw1,dstStd,LstStd,D0,d0,C,Delta0,R,L,m,"
                             "Psibm,T\n";
    EXPECT_EQ(csv.substr(0, head.size()), head);
    // m = ∛(2·4.12·1.5·100·1000/(10·20·380)); d1 = 2.5·20, d2 = 2.5·80; σF1 = 4.12·4000/(25·2.5),
    // σF2 = σF1·3.74/4.12, σH1 = σH2 = 440·√(4000/(25·50)·5/4).
    EXPECT_NE(
        csv.find("2,1,transmission,2.5335819684367,2.5,50,200,55,205,43.75,193.75,125,25,25,263.68,239.36,880,880,"),
        std::string::npos)
        << csv;
    EXPECT_NE(csv.find(",Сталь 18ХГТ,"), std::string::npos);
    // The wheel of tip 105: d = 100, the solid design; the hub 1.7·30 = 51 → 50.
    EXPECT_NE(csv.find("4,3,wheel," + std::string(16, ',') + "2.5,2.5,solid,100,93.75,105,30,20,50,40,,,,,,"),
              std::string::npos)
        << csv;
    // 0.4·950·60·10·4³/(2·3.73·1.5)/1000.
    EXPECT_NE(csv.find("5,4,check," + std::string(32, ',') + "4,10,1304.02144772"), std::string::npos) << csv;
    EXPECT_EQ(variantFileName(run.results[0]), "1.txt");
}

TEST(Variants, AListThatCannotBeReadAtAllSaysWhy)
{
    EXPECT_EQ(computeVariants("").fatal, "в списке нет даже строки заголовка.");
    EXPECT_EQ(computeVariants("mode,colour\n").fatal, "строка 1: неизвестный столбец «colour».");
    EXPECT_EQ(computeVariants("mode,m,m\n").fatal, "строка 1: столбец «m» повторяется.");
    EXPECT_EQ(computeVariants("Z1,m\n").fatal, "строка 1: в заголовке нет столбца mode.");
}

} // namespace
} // namespace gear
