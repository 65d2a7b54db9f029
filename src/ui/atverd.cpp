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
QString hyphenated(QString caption)
{
    return caption.replace(QStringLiteral("- "), QStringLiteral("-\n"));
}

// One treatment per row; rows 3 and 4 share one cell on the screen.
constexpr std::array<const char*, 7> kTreatments{
    QT_TRANSLATE_NOOP("gear::ui::ATverd", "Нормализация"),     QT_TRANSLATE_NOOP("gear::ui::ATverd", "Улучшение"),
    QT_TRANSLATE_NOOP("gear::ui::ATverd", "Объёмная закалка"), QT_TRANSLATE_NOOP("gear::ui::ATverd", "Закалка ТВЧ"),
    QT_TRANSLATE_NOOP("gear::ui::ATverd", "Цементация"),       QT_TRANSLATE_NOOP("gear::ui::ATverd", "Нитроцементация"),
    QT_TRANSLATE_NOOP("gear::ui::ATverd", "Азотирование")};

} // namespace

ATverd::ATverd(Screens& screens)
    : Screen(ScreenId::ATverd, screens, tr("Рекомендуемые значения твёрдости зубьев и виды ХТО"))
{
    auto* table = new GridFrame(this);
    table->addCell(tableCell(table, "Label1", tr("Область применения")), 0, 0, 2, 1);
    table->addCell(tableCell(table, nullptr, tr("Требования\nк габаритам")), 0, 1, 2, 1);
    table->addCell(tableCell(table, nullptr, tr("Термообработка")), 0, 2, 2, 1);
    table->addCell(tableCell(table, nullptr, tr("Твёрдость пов-ти зуба")), 0, 3, 1, 2);
    table->addCell(tableCell(table, nullptr, tr("шестерни")), 1, 3);
    table->addCell(tableCell(table, nullptr, tr("колеса")), 1, 4);
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
        {"Label2", QT_TR_NOOP("Редукторы больших раз- меров индивидуального производства,мало- нагруженные передачи"),
         "Label8", QT_TR_NOOP("Нежёсткие"), "Label9", QT_TR_NOOP("Нормализация"), "Label10", QT_TR_NOOP("200...210 НВ"),
         "Label11", QT_TR_NOOP("160...170 НВ")},
        {"Label3",
         QT_TR_NOOP("Редукторы общего наз- начения в единичном и мелкосерийном произ- водстве,передачи с небольшими "
                    "нагрузками"),
         "Label12", QT_TR_NOOP("Нежёсткие"), "Label17", QT_TR_NOOP("Улучшение"), "Label18", QT_TR_NOOP("300...340 НВ"),
         "Label19", QT_TR_NOOP("240...280 НВ")},
        {"Label4",
         QT_TR_NOOP(
             "Редукторы общего наз- начения в серийном и массовом производстве тихоходные передачи низкой тотчности"),
         "Label13", QT_TR_NOOP("Жёсткие"), "Label20", QT_TR_NOOP("Объёмная закалка\nЗакалка ТВЧ"), "Label21",
         QT_TR_NOOP("45..52 НРС"), "Label22", QT_TR_NOOP("45...52 НРС")},
        {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "Label23", QT_TR_NOOP("50..56 НРС"), "Label24",
         QT_TR_NOOP("50...56 НРС")},
        {"Label5", QT_TR_NOOP("Транспортные и горные машины, высоконагружен- ные передачи малых и средних размеров"),
         "Label14", QT_TR_NOOP("Жёсткие"), "Label25", QT_TR_NOOP("Цементация"), "Label26", QT_TR_NOOP("56..63 НРС"),
         "Label27", QT_TR_NOOP("56...63 НРС")},
        {"Label6", QT_TR_NOOP("Небольшие зубчатые колёса крупносерийного и массового производства"), "Label15",
         QT_TR_NOOP("Жёсткие"), "Label28", QT_TR_NOOP("Нитроцементация"), "Label29", QT_TR_NOOP("56..63 НРС"),
         "Label32", QT_TR_NOOP("56..63 НРС")},
        {"Label7", QT_TR_NOOP("Быстроходные точные передачи, работающие без ударов"), "Label16", QT_TR_NOOP("Жёсткие"),
         "Label30", QT_TR_NOOP("Азотирование"), "Label31", QT_TR_NOOP("50..60 НРС"), "Label33",
         QT_TR_NOOP("50...60 НРС")},
    };
    int gridRow = 2;
    for (const Row& row : rows) {
        const int span = row.area && &row == &rows[2] ? 2 : 1;
        if (row.area) {
            table->addCell(tableCell(table, row.area, hyphenated(tr(row.areaText)), 210), gridRow, 0, span, 1);
            table->addCell(tableCell(table, row.requirement, tr(row.requirementText)), gridRow, 1, span, 1);
            table->addCell(tableCell(table, row.treatment, tr(row.treatmentText)), gridRow, 2, span, 1);
        }
        table->addCell(tableCell(table, row.pinion, tr(row.pinionText)), gridRow, 3);
        table->addCell(tableCell(table, row.wheel, tr(row.wheelText)), gridRow, 4);
        // A screen reader names the row a mark takes: its area (rows 3 and 4
        // share row 3's), treatment and hardness.
        const size_t index = m_options.size();
        const Row& shared = row.area ? row : rows[index - 1];
        const QString name =
            tr("%1 %2, %3: шестерни %4, колеса %5")
                .arg(hyphenated(tr(shared.areaText)).remove(QStringLiteral("-\n")), tr(shared.requirementText),
                     tr(kTreatments[index]), tr(row.pinionText), tr(row.wheelText));
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
