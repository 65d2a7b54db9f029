// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/bnormal2.h"

#include "material/treatment_method.h"
#include "ui/grid_frame.h"
#include "ui/option_group.h"
#include "ui/treatment_table.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace gear::ui {

BNormal2::BNormal2(Screens& screens) : Screen(ScreenId::BNormal2, screens, tr("Способ обработки"))
{
    auto* table = new GridFrame(this);
    addTreatmentHead(table, "Label3");
    const std::array<std::array<const char*, 3>, 2> rows{
        {{"Label1", QT_TR_NOOP("Нормализация"), "Label4"}, {"Label2", QT_TR_NOOP("Улучшение"), "Label5"}}};
    for (int row = 0; row < 2; ++row) {
        const auto& [label, caption, hardness] = rows[static_cast<size_t>(row)];
        QLabel* treatment = tableCell(table, label, tr(caption));
        treatment->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->addCell(treatment, row + 2, 0);
        const QByteArray name = "Option" + QByteArray::number(row + 1);
        m_options.push_back(table->addOption(name.constData(), tr(caption), row + 2, 1));
        table->addCell(tableCell(table, hardness, tr("180...350 НВ")), row + 2, 2, 1, 2);
    }
    auto* ok = makeOkButton();
    layOut(table, ok);
    groupOptions(this, m_options);
    connect(ok, &QPushButton::clicked, this, &BNormal2::onOk);
}

void BNormal2::onOk()
{
    follow(chooseThroughHardening(state(), markedOption(m_options)));
}

void BNormal2::showOption(int option)
{
    markOption(m_options, option);
}

} // namespace gear::ui
