// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/okon.h"

#include "material/final_material.h"
#include "shell/reference_tables.h"
#include "ui/controls.h"
#include "ui/grid_frame.h"
#include "ui/number_display.h"
#include "ui/okonchanie.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

namespace gear::ui {

Okon::Okon(Screens& screens) : Screen(ScreenId::okon, screens, tr("Окончательный выбор материала"))
{
    auto* stresses = new QGridLayout;
    const std::array<std::pair<const char*, const char*>, 4> captions{
        {{"Label11", "sigmaF1="}, {"Label12", "sigmaF2="}, {"Label15", "sigmaH1="}, {"Label16", "sigmaH2="}}};
    const std::array<const char*, 4> values{"Label13", "Label14", "Label17", "Label18"};
    for (size_t i = 0; i < 4; ++i) {
        const int row = static_cast<int>(i % 2);
        const int column = static_cast<int>(i / 2) * 2;
        stresses->addWidget(makeLabel(this, captions[i].first, qt(captions[i].second)), row, column);
        m_stresses[i] = makeLabel(this, values[i], QString());
        m_stresses[i]->setMinimumWidth(140);
        stresses->addWidget(m_stresses[i], row, column + 1);
    }
    stresses->setColumnStretch(4, 1);

    // The steel rows are aligned by blanks, so the list and the heads share
    // one fixed-pitch font and the heads take the columns' widths.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int advance = QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0'));
    const std::array<int, 10> columnWidths = steelColumnWidths(coreTranslator());
    auto* heads = new GridFrame(this);
    heads->grid()->setContentsMargins(0, 0, 0, 0);
    struct Head {
        const char* name;
        const char* text; // the blanks of the narrow heads break their lines
        int row;
        int column;
        int rowSpan;
        int columnSpan;
    };
    const std::array<Head, 10> headCells{{
        {"Label1", QT_TR_NOOP("Марка\nстали"), 0, 0, 2, 1},
        {"Label2", QT_TR_NOOP("ГОСТ"), 0, 1, 2, 1},
        {"Label10", QT_TR_NOOP("ХТО"), 0, 2, 2, 1},
        {"Label3", QT_TR_NOOP("Толщина\nили ширина\nобода"), 0, 3, 2, 1},
        {"Label4", QT_TR_NOOP("Твёрдость"), 0, 4, 1, 2},
        {"Label5", QT_TR_NOOP("Пов-ти   сер-ны"), 1, 4, 1, 2},
        {"Label6", QT_TR_NOOP("Времен\nное\nсопротив\nление"), 0, 6, 2, 1},
        {"Label7", QT_TR_NOOP("Предел\nтеку\nчести"), 0, 7, 2, 1},
        {"Label8", "sigmaH", 0, 8, 2, 1},
        {"Label9", "sigmaF", 0, 9, 2, 1},
    }};
    for (const Head& cell : headCells) {
        auto* head = makeLabel(heads, cell.name, tr(cell.text));
        head->setAlignment(Qt::AlignCenter);
        int width = 0;
        for (int column = cell.column; column < cell.column + cell.columnSpan; ++column)
            width += columnWidths[static_cast<size_t>(column)] * advance;
        head->setFixedWidth(width);
        heads->addCell(head, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
        head->setMargin(1);
    }

    m_steels = makeComboBox(this, "Combo1");
    m_steels->setEditable(false);
    m_steels->setFont(fixed);
    m_steels->setAccessibleName(tr("Марка стали"));
    // The heads start where the list's text starts, past the box's frame.
    QStyleOptionComboBox box;
    box.initFrom(m_steels);
    box.rect = QRect(QPoint(0, 0), m_steels->sizeHint());
    const QRect field =
        m_steels->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, m_steels);
    heads->setContentsMargins(field.left() + 1, 0, 0, 0);
    auto* ok = makeOkButton();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stresses);
    layout->addSpacing(6);
    layout->addWidget(heads);
    layout->addWidget(m_steels);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    connect(ok, &QPushButton::clicked, this, &Okon::onOk);
}

void Okon::fillSteelList()
{
    for (int index = 0; index <= static_cast<int>(kSteelRows.size()); ++index)
        m_steels->addItem(qt(steelItemText(index, coreTranslator())));
    m_steels->setCurrentIndex(-1);
}

void Okon::presetStresses()
{
    const CalcState& s = state();
    const std::array<Number, 4> values{s.sigmaF1, s.sigmaF2, s.sigmaH1, s.sigmaH2};
    for (size_t i = 0; i < 4; ++i)
        m_stresses[i]->setText(shown(values[i]));
}

void Okon::onOk()
{
    const Outcome outcome = chooseFinalSteel(state(), m_steels->currentIndex());
    presetNext(outcome);
    follow(outcome);
}

void Okon::presetNext(const Outcome&)
{
    screens().load<Okonchanie>(ScreenId::okonchanie).presetGrade();
}

void Okon::showSteel(int index)
{
    m_steels->setCurrentIndex(index);
}

} // namespace gear::ui
