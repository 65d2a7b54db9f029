// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/nastroyka.h"

#include "shell/parameters.h"
#include "shell/reference_tables.h"
#include "ui/controls.h"
#include "ui/number_display.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gear::ui {

Nastroyka::Nastroyka(Screens& screens) : Screen(ScreenId::nastroyka, screens, tr("Изменение параметров"))
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    for (int row = 0; row < kCoefficientCount; ++row) {
        const CoefficientInfo& info = kCoefficients[static_cast<size_t>(row)];
        const QByteArray captionName = "Label" + QByteArray::number(row + 1);
        const QByteArray meaningName = "Label" + QByteArray::number(row + 1 + kCoefficientCount);
        const QByteArray fieldName = "Text" + QByteArray::number(row + 1);
        QLabel* caption = makeLabel(this, captionName.constData(), qt(info.name));
        grid->addWidget(caption, row, 0);
        const QString meaning = translated("coefficient", info.meaning);
        grid->addWidget(makeLabel(this, meaningName.constData(), meaning), row, 1);
        QLineEdit* field = makeTextField(this, fieldName.constData());
        nameField(caption, field, QStringLiteral(", ") + meaning);
        field->setMaximumWidth(90);
        grid->addWidget(field, row, 2);
        m_fields[static_cast<size_t>(row)] = field;
    }
    auto* ok = makeOkButton();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(ok, 0, Qt::AlignTop);
    connect(ok, &QPushButton::clicked, this, &Nastroyka::onOk);
}

void Nastroyka::showCurrent()
{
    const auto texts = parameterTexts(state(), decimalSeparator());
    for (size_t i = 0; i < texts.size(); ++i)
        m_fields[i]->setText(qt(texts[i]));
}

void Nastroyka::onOk()
{
    std::array<std::string, kCoefficientCount> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = utf8(m_fields[i]->text());
    follow(applyParameters(state(), texts));
}

} // namespace gear::ui
