// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace gear::ui {

namespace {

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    if (name)
        widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    // Labels show numbers, names and sentences, some from a file or typed
    // by the student: never markup, which Qt would otherwise guess at.
    auto* label = named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = named(new QPushButton(text, parent), name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeTextField(QWidget* parent, const char* name)
{
    return named(new QLineEdit(parent), name);
}

QComboBox* makeComboBox(QWidget* parent, const char* name)
{
    auto* combo = named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // A completer would finish a typed "3" as the item "3.15", and Ok would
    // compute with what the student never typed.
    combo->setCompleter(nullptr);
    return combo;
}

QRadioButton* makeOption(QWidget* parent, const char* name)
{
    return named(new QRadioButton(parent), name);
}

void nameField(QLabel* caption, QWidget* field, const QString& more)
{
    caption->setBuddy(field);
    field->setAccessibleName((caption->text() + more).simplified());
}

void showComboText(QComboBox* combo, const QString& text)
{
    const int item = text.isEmpty() ? -1 : combo->findText(text, Qt::MatchExactly);
    combo->setCurrentIndex(item);
    if (item < 0)
        combo->setEditText(text);
}

} // namespace gear::ui
