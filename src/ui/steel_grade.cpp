// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/steel_grade.h"

#include "material/steel_grade.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/option_group.h"
#include "ui/translation.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace gear::ui {

SteelGrade::SteelGrade(ScreenId id, Screens& screens) : Screen(id, screens, QString())
{
    const SteelScreenContent content = steelScreenContent(id);
    setWindowTitle(translated("steel grade", content.title));
    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setHorizontalSpacing(24);
    QLabel* prompt = makeLabel(body, "Label1", tr("Выберите марку стали"));
    makeBold(prompt);
    const int columns = static_cast<int>(content.grades.size());
    grid->addWidget(prompt, 0, 0, 1, columns, Qt::AlignHCenter);
    for (int i = 0; i < columns; ++i) {
        const QString grade = translated("steel", content.grades[static_cast<size_t>(i)]);
        const QByteArray label = "Label" + QByteArray::number(i + 2);
        const QByteArray option = "Option" + QByteArray::number(i + 1);
        grid->addWidget(makeLabel(body, label.constData(), grade), 1, i, Qt::AlignHCenter);
        QRadioButton* button = makeOption(body, option.constData());
        button->setAccessibleName(grade);
        grid->addWidget(button, 2, i, Qt::AlignHCenter);
        m_grades.push_back(button);
    }
    auto* ok = makeOkButton();
    layOut(body, ok);
    groupOptions(this, m_grades);
    connect(ok, &QPushButton::clicked, this, &SteelGrade::onOk);
}

void SteelGrade::onOk()
{
    follow(chooseSteelGrade(state(), id(), markedOption(m_grades)));
}

void SteelGrade::showGrade(int grade)
{
    markOption(m_grades, grade);
}

} // namespace gear::ui
