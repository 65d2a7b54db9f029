// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/atverd.h"

#include "material/hardness_recommendation.h"
#include "ui/grid_frame.h"
#include "ui/option_group.h"
#include "ui/screens.h"
#include "ui/vvod2.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace gear::ui {

namespace {

// The course's captions break long words with a hyphen and a blank; the
// break stands where the hyphen is.
QString hyphenated(const char* caption)
{
    return QString::fromUtf8(caption).replace(QStringLiteral("- "), QStringLiteral("-\n"));
}

// One treatment per row; rows 3 and 4 share one cell on the screen.
constexpr std::array<const char*, 7> kTreatments{"Нормализация", "Улучшение",       "Объёмная закалка", "Закалка ТВЧ",
                                                 "Цементация",   "Нитроцементация", "Азотирование"};

} // namespace

ATverd::ATverd(Screens& screens)
    : Screen(ScreenId::ATverd, screens, QStringLiteral("Рекомендуемые значения твёрдости зубьев и виды ХТО"))
{
    auto* table = new GridFrame(this);
    table->addCell(tableCell(table, "Label1", QStringLiteral("Область применения")), 0, 0, 2, 1);
    table->addCell(tableCell(table, nullptr, QStringLiteral("Требования\nк габаритам")), 0, 1, 2, 1);
    table->addCell(tableCell(table, nullptr, QStringLiteral("Термообработка")), 0, 2, 2, 1);
    table->addCell(tableCell(table, nullptr, QStringLiteral("Твёрдость пов-ти зуба")), 0, 3, 1, 2);
    table->addCell(tableCell(table, nullptr, QStringLiteral("шестерни")), 1, 3);
    table->addCell(tableCell(table, nullptr, QStringLiteral("колеса")), 1, 4);
    table->addCell(new QWidget(table), 0, 5, 2, 1);

    struct Row {
        const char* area;
        const char* areaText;
        const char* requirement;
        const char* requirementText;
        const char* treatment;
        const char* treatmentText;
        const char* pinion;
        const char* pinionText;
        const char* wheel;
        const char* wheelText;
    };
    // Rows 3 and 4 share their area, requirement and treatment cells.
    const Row rows[] = {
        {"Label2", "Редукторы больших раз- меров индивидуального производства,мало- нагруженные передачи", "Label8",
         "Нежёсткие", "Label9", "Нормализация", "Label10", "200...210 НВ", "Label11", "160...170 НВ"},
        {"Label3",
         "Редукторы общего наз- начения в единичном и мелкосерийном произ- водстве,передачи с небольшими нагрузками",
         "Label12", "Нежёсткие", "Label17", "Улучшение", "Label18", "300...340 НВ", "Label19", "240...280 НВ"},
        {"Label4",
         "Редукторы общего наз- начения в серийном и массовом производстве тихоходные передачи низкой тотчности",
         "Label13", "Жёсткие", "Label20", "Объёмная закалка\nЗакалка ТВЧ", "Label21", "45..52 НРС", "Label22",
         "45...52 НРС"},
        {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "Label23", "50..56 НРС", "Label24", "50...56 НРС"},
        {"Label5", "Транспортные и горные машины, высоконагружен- ные передачи малых и средних размеров", "Label14",
         "Жёсткие", "Label25", "Цементация", "Label26", "56..63 НРС", "Label27", "56...63 НРС"},
        {"Label6", "Небольшие зубчатые колёса крупносерийного и массового производства", "Label15", "Жёсткие",
         "Label28", "Нитроцементация", "Label29", "56..63 НРС", "Label32", "56..63 НРС"},
        {"Label7", "Быстроходные точные передачи, работающие без ударов", "Label16", "Жёсткие", "Label30",
         "Азотирование", "Label31", "50..60 НРС", "Label33", "50...60 НРС"},
    };
    int gridRow = 2;
    for (const Row& row : rows) {
        const int span = row.area && &row == &rows[2] ? 2 : 1;
        if (row.area) {
            table->addCell(tableCell(table, row.area, hyphenated(row.areaText), 210), gridRow, 0, span, 1);
            table->addCell(tableCell(table, row.requirement, QString::fromUtf8(row.requirementText)), gridRow, 1, span,
                           1);
            table->addCell(tableCell(table, row.treatment, QString::fromUtf8(row.treatmentText)), gridRow, 2, span, 1);
        }
        table->addCell(tableCell(table, row.pinion, QString::fromUtf8(row.pinionText)), gridRow, 3);
        table->addCell(tableCell(table, row.wheel, QString::fromUtf8(row.wheelText)), gridRow, 4);
        // A screen reader names the row a mark takes: its area (rows 3 and 4
        // share row 3's), treatment and hardness.
        const size_t index = m_options.size();
        const Row& shared = row.area ? row : rows[index - 1];
        const QString name = QStringLiteral("%1 %2, %3: шестерни %4, колеса %5")
                                 .arg(hyphenated(shared.areaText).remove(QStringLiteral("-\n")),
                                      QString::fromUtf8(shared.requirementText), QString::fromUtf8(kTreatments[index]),
                                      QString::fromUtf8(row.pinionText), QString::fromUtf8(row.wheelText));
        const QByteArray option = "Option" + QByteArray::number(static_cast<int>(index) + 1);
        m_options.push_back(table->addOption(option.constData(), name, gridRow, 5));
        ++gridRow;
    }
    auto* ok = makeOkButton();
    layOut(table, ok);
    groupOptions(this, m_options);
    connect(ok, &QPushButton::clicked, this, &ATverd::onOk);
}

void ATverd::onOk()
{
    const Outcome outcome = recommendHardness(state(), markedOption(m_options));
    presetNext(outcome);
    follow(outcome);
}

void ATverd::presetNext(const Outcome&)
{
    screens().load<Vvod2>(ScreenId::Vvod2).fillRatioList();
}

void ATverd::showRow(int row)
{
    markOption(m_options, row);
}

} // namespace gear::ui
