#pragma once

#include "shell/number.h"

#include <QString>

#include <string_view>

class QComboBox;
class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace gear::ui {

QString qt(std::string_view utf8);

// A number as the student reads it: the regional decimal separator, empty
// when never written.
QString shown(Number value);

// The fonts the course's screens are drawn in.
QFont times(double points, bool bold = false);

// The widget's own font, in bold.
void makeBold(QWidget* widget);

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text);
QLineEdit* makeTextField(QWidget* parent, const char* name);
QComboBox* makeComboBox(QWidget* parent, const char* name);
QRadioButton* makeOption(QWidget* parent, const char* name);

} // namespace gear::ui

namespace gear::ui {

// The small picture of the Greek letter β that marks a helix angle prompt.
QLabel* makeBetaPicture(QWidget* parent);

} // namespace gear::ui
