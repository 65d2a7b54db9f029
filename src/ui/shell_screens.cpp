#include "ui/shell_screens.h"

#include "shell/parameters.h"
#include "shell/reference_tables.h"
#include "ui/screens.h"
#include "ui/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gear::ui {

Vihod::Vihod(Screens& screens) : Screen(ScreenId::vihod, screens, QStringLiteral("Выход"))
{
    auto* question = makeLabel(this, "Label1", QStringLiteral("Вы уверены что хотите выйти?"));
    question->setFont(times(12, true));
    question->setStyleSheet(QStringLiteral("color: #000080;"));
    question->setAlignment(Qt::AlignCenter);
    auto* yes = makeOkButton(QStringLiteral("Да"));
    auto* no = makeButton(this, "Command2", QStringLiteral("Нет"));
    yes->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addStretch();
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(buttons);
    setFixedSize(427, 107);

    connect(yes, &QPushButton::clicked, this, &Vihod::exitConfirmed);
    connect(no, &QPushButton::clicked, this, &QWidget::hide);
}

Info::Info(Screens& screens) : Screen(ScreenId::info, screens, QStringLiteral("Справка"))
{
    auto* text = makeLabel(this, "Label1",
                           QStringLiteral("Данная програма предназначена для закрепления знаний полученных "
                                          "студентами на лекциях по дисциплине \"Детали машин\"."));
    text->setFont(times(9.75));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setStyleSheet(QStringLiteral("color: black;"));
    setStyleSheet(QStringLiteral("QDialog#info { background-color: rgb(192, 192, 192); }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(text);
    setFixedSize(464, 318);
}

Nastroyka::Nastroyka(Screens& screens)
    : Screen(ScreenId::nastroyka, screens, QStringLiteral("Изменение параметров"))
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    for (int row = 0; row < 17; ++row) {
        const CoefficientInfo& info = kCoefficients[static_cast<size_t>(row)];
        const QByteArray captionName = "Label" + QByteArray::number(row + 1);
        const QByteArray meaningName = "Label" + QByteArray::number(row + 18);
        const QByteArray fieldName = "Text" + QByteArray::number(row + 1);
        grid->addWidget(makeLabel(this, captionName.constData(), qt(info.name)), row, 0);
        grid->addWidget(makeLabel(this, meaningName.constData(), qt(info.meaning)), row, 1);
        m_fields[static_cast<size_t>(row)] = makeTextField(this, fieldName.constData());
        m_fields[static_cast<size_t>(row)]->setMaximumWidth(90);
        grid->addWidget(m_fields[static_cast<size_t>(row)], row, 2);
    }
    auto* ok = makeOkButton();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(ok, 0, Qt::AlignTop);
    connect(ok, &QPushButton::clicked, this, &Nastroyka::onOk);
}

void Nastroyka::showCurrent()
{
    const auto texts = parameterTexts(state());
    for (size_t i = 0; i < texts.size(); ++i)
        m_fields[i]->setText(qt(texts[i]));
}

void Nastroyka::onOk()
{
    std::array<std::string, 17> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = m_fields[i]->text().toStdString();
    follow(applyParameters(state(), texts));
}

} // namespace gear::ui
