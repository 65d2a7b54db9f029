// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/trebov2.h"

#include "material/manufacturing_requirements.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/option_group.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace gear::ui {

Trebov2::Trebov2(Screens& screens) : Screen(ScreenId::trebov2, screens, tr("Требования к изготовлению"))
{
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    grid->setHorizontalSpacing(48);
    const std::pair<const char*, const char*> columns[] = {{"Label1", QT_TR_NOOP("Жёсткие")},
                                                           {"Label2", QT_TR_NOOP("Не жёсткие")}};
    for (int column = 0; column < 2; ++column) {
        QLabel* head = makeLabel(content, columns[column].first, tr(columns[column].second));
        makeBold(head);
        grid->addWidget(head, 0, column, Qt::AlignHCenter);
        const QByteArray name = "Option" + QByteArray::number(column + 1);
        QRadioButton* option = makeOption(content, name.constData());
        option->setAccessibleName(head->text());
        grid->addWidget(option, 1, column, Qt::AlignHCenter);
        m_options.push_back(option);
    }
    auto* ok = makeOkButton();
    layOut(content, ok);
    groupOptions(this, m_options);
    connect(ok, &QPushButton::clicked, this, &Trebov2::onOk);
}

void Trebov2::onOk()
{
    follow(chooseRequirements(state(), markedOption(m_options)));
}

void Trebov2::showOption(int option)
{
    markOption(m_options, option);
}

} // namespace gear::ui
