// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/grading.h"
#include "session/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace gear {
namespace {

// Two variants of the course's hardened pair: spur, and helical at 12°.
const std::string kList = "variant,mode,row,treatment,steel,Z1,beta,T1,U,m,final_steel\n"
                          "1,transmission,5,Цементация,18ХГТ,20,,100,4.0,2.5,21\n"
                          "2,transmission,5,3,1,20,12,100,4.0,2.5,21\n";

// A student's work as the program writes it: the transmission chain typed
// on the screens, the variant given for the report, and the student's own
// values, if any.
std::string studentFile(const std::string& variant, const std::string& torque, int finalSteel,
                        const std::vector<std::string>& ownValues = {})
{
    Session session(",");
    session.menu("mnuPer");
    session.ok(ScreenId::ATverd, {5, {}});
    session.ok(ScreenId::Czakalka2, {3, {}});
    session.ok(ScreenId::stal4, {1, {}});
    session.ok(ScreenId::Vvod2, {0, {"20", "", torque, "4,0"}});
    session.ok(ScreenId::Vibor, {0, {"2,5", ""}});
    session.ok(ScreenId::okon, {finalSteel, {}});
    session.setVariant(variant);
    if (!ownValues.empty())
        session.checkSelf(ownValues, "0,5");
    return session.fileToSave().text;
}

std::string handEdited(std::string text)
{
    const size_t at = text.find("\"aw\": 125");
    EXPECT_NE(at, std::string::npos);
    return text.replace(at, 9, "\"aw\": 126");
}

// The scripted group: right, a slip early (the torque), a slip late (the
// final steel), results edited by hand, the work of another variant, and
// a variant the list does not have.
std::vector<StudentFile> scriptedGroup()
{
    // The first value lines of the walkthrough: H1, H2, S_H, σH1, σH2 …
    const std::vector<std::string> own{"59,5", "59.5", "1,2", "1211", "1212"};
    return {{"right.gear", studentFile("1", "100", 21, own)},
            {"early-slip.gear", studentFile("1", "120", 21, {"59,5", "60", "x"})},
            {"late-slip.gear", studentFile("1", "100", 20)},
            {"hand-edited.gear", handEdited(studentFile("1", "100", 21))},
            {"wrong-variant.gear", studentFile("2", "100", 21)},
            {"unknown-variant.gear", studentFile("9", "100", 21)}};
}

const StudentMark& of(const GroupMarks& marks, const std::string& file)
{
    return *std::find_if(marks.students.begin(), marks.students.end(),
                         [&](const StudentMark& m) { return m.file == file; });
}

TEST(Grading, MarksTheScriptedGroupAsItsSlipsDeserve)
{
    const std::vector<StudentFile> group = scriptedGroup();
    // GEAR_WRITE_GROUP=DIR keeps the group's files, for the command line's
    // and the README's table.
    if (const char* folder = std::getenv("GEAR_WRITE_GROUP")) {
        std::ofstream(std::string(folder) + "/list.csv", std::ios::binary) << kList;
        for (const StudentFile& file : group)
            std::ofstream(std::string(folder) + "/" + file.name, std::ios::binary) << file.text;
    }
    const GroupMarks marks = markGroup(kList, group);
    ASSERT_TRUE(marks.fatal.empty()) << marks.fatal;
    ASSERT_EQ(marks.students.size(), group.size());

    const StudentMark& right = of(marks, "right.gear");
    EXPECT_EQ(right.status, MarkStatus::Marked);
    EXPECT_EQ(right.mark, 100);
    EXPECT_EQ(right.linesRight, right.lines);
    EXPECT_TRUE(right.firstWrong.empty());
    EXPECT_TRUE(std::all_of(right.keys.begin(), right.keys.end(), [](const KeyResult& k) { return k.right; }));
    // 1211 is 0.04 % from 1211.5, 1212 the same: all five of the student's
    // own values are right.
    EXPECT_EQ(right.selfCheckGiven, 5);
    EXPECT_EQ(right.selfCheckRight, 5);

    const StudentMark& early = of(marks, "early-slip.gear");
    const StudentMark& late = of(marks, "late-slip.gear");
    EXPECT_EQ(early.status, MarkStatus::Marked);
    EXPECT_EQ(late.status, MarkStatus::Marked);
    EXPECT_LT(early.mark, late.mark) << "a slip early spoils more lines than one late";
    EXPECT_LT(late.mark, 100);
    EXPECT_EQ(early.firstWrong.rfind("Проектный расчёт передачи: T2", 0), 0u) << early.firstWrong;
    // Of the early slip's own values 59,5 is right, 60 is 0,8 % off and «x»
    // no number.
    EXPECT_EQ(early.selfCheckGiven, 3);
    EXPECT_EQ(early.selfCheckRight, 1);
    EXPECT_EQ(late.firstWrong.rfind("Окончательный выбор материала", 0), 0u) << late.firstWrong;
    // The final steel changes its own name among the key results, and may
    // change the verdicts judged against its limits; nothing before it.
    for (const KeyResult& key : late.keys) {
        const bool judged =
            key.column.find("_delta_pct") != std::string::npos || key.column.find("_word") != std::string::npos;
        if (key.column == "transmission.steel")
            EXPECT_FALSE(key.right);
        else if (!judged)
            EXPECT_TRUE(key.right) << key.column;
    }

    const StudentMark& edited = of(marks, "hand-edited.gear");
    EXPECT_EQ(edited.status, MarkStatus::HandEdited);
    EXPECT_NE(edited.why.text().find("results.aw"), std::string::npos) << edited.why.text();
    EXPECT_EQ(edited.lines, 0) << "flagged, not marked";

    const StudentMark& wrong = of(marks, "wrong-variant.gear");
    EXPECT_EQ(wrong.status, MarkStatus::Marked);
    EXPECT_LT(wrong.mark, early.mark);
    EXPECT_EQ(of(marks, "unknown-variant.gear").status, MarkStatus::UnknownVariant);

    // The steps the group went wrong on most often come first, and the late
    // slip's step is among those where an error began.
    ASSERT_FALSE(marks.steps.empty());
    EXPECT_TRUE(std::is_sorted(marks.steps.begin(), marks.steps.end(),
                               [](const StepTally& a, const StepTally& b) { return a.wrong > b.wrong; }));
    EXPECT_TRUE(std::any_of(marks.steps.begin(), marks.steps.end(),
                            [](const StepTally& t) { return t.screen == ScreenId::okon && t.firstWrong == 1; }));
    // Each step once, counting every student marked on it.
    std::set<std::tuple<Mode, ScreenId, std::string, int>> steps;
    for (const StepTally& t : marks.steps) {
        EXPECT_TRUE(steps.insert({t.mode, t.screen, t.symbol, t.occurrence}).second) << t.symbol << " twice";
        EXPECT_LE(t.wrong, t.of);
        EXPECT_LE(t.of, 4) << t.symbol;
    }
    EXPECT_TRUE(std::any_of(marks.steps.begin(), marks.steps.end(), [](const StepTally& t) { return t.of >= 3; }));

    const std::string table = marksCsv(marks);
    EXPECT_EQ(table.substr(0, table.find('\n')).find("file,variant,list_line,mode,status,mark_percent"), 0u);
    EXPECT_NE(table.find("\nhand-edited.gear,1,,,hand-edited,,"), std::string::npos) << table;
    EXPECT_NE(table.find("\nright.gear,1,2,transmission,marked,100,"), std::string::npos) << table;
}

TEST(Grading, AListTheVariantsCannotComeFromMarksNothing)
{
    EXPECT_FALSE(markGroup("nothing of a list", scriptedGroup()).fatal.empty());
    const GroupMarks marks = markGroup(kList, {{"broken.gear", "{"}, {"empty.gear", ""}});
    for (const StudentMark& mark : marks.students)
        EXPECT_EQ(mark.status, MarkStatus::Refused) << mark.file;
}

TEST(Grading, TheListsToleranceDecides)
{
    // The early slip's torque is 20 % off: a tolerance of 10 % still finds
    // it, and the lines it does not reach stay right.
    const std::string wide = "variant,mode,row,treatment,steel,Z1,beta,T1,U,m,final_steel,tolerance\n"
                             "1,transmission,5,Цементация,18ХГТ,20,,100,4.0,2.5,21,10\n";
    const GroupMarks marks = markGroup(wide, {{"a.gear", studentFile("1", "105", 21)}});
    ASSERT_EQ(marks.students.size(), 1u);
    EXPECT_EQ(marks.students[0].tolerance, 10);
    // Every value 5 % off is within 10 %; only the verdicts' per-cent
    // differences from [σ], which a 5 % load moves by far more than 10 %
    // of themselves, are not.
    EXPECT_GE(marks.students[0].mark, 90) << "5 % off is within 10 %";
    const GroupMarks bad = markGroup("variant,mode,row,treatment,steel,Z1,beta,T1,U,m,final_steel,tolerance\n"
                                     "1,transmission,5,Цементация,18ХГТ,20,,100,4.0,2.5,21,0\n",
                                     {});
    ASSERT_EQ(bad.listRows.size(), 1u);
    EXPECT_NE(bad.listRows[0].message.find("tolerance"), std::string::npos);
}

} // namespace
} // namespace gear
