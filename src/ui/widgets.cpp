#include "ui/widgets.h"

#include "shell/number_text.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace gear::ui {

QString qt(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString shown(Number value)
{
    const QByteArray separator = QLocale().decimalPoint().toUtf8();
    return qt(numberToText(value, std::string_view(separator.constData(), static_cast<size_t>(separator.size()))));
}

QFont times(double points, bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void makeBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeTextField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QComboBox* makeComboBox(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QRadioButton* makeOption(QWidget* parent, const char* name)
{
    auto* option = new QRadioButton(parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

} // namespace gear::ui

namespace gear::ui {

QLabel* makeBetaPicture(QWidget* parent)
{
    QLabel* picture = makeLabel(parent, "Image2", QStringLiteral("β"));
    picture->setFont(times(15, true));
    picture->setFixedSize(21, 26);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace gear::ui
