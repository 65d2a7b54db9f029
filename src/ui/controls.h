// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace gear::ui {

// Controls carry their established names as objectName; a label without a
// name of its own is passed nullptr.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text);
QLineEdit* makeTextField(QWidget* parent, const char* name);
// A list that also takes a typed value, kept exactly as typed.
QComboBox* makeComboBox(QWidget* parent, const char* name);
QRadioButton* makeOption(QWidget* parent, const char* name);

// Ties a field to its caption, so that a screen reader names the field by
// the caption (and Alt with a marked letter would reach it); `more` follows
// the caption's text where a picture stands for part of it.
void nameField(QLabel* caption, QWidget* field, const QString& more = {});

// Shows a text in a list that also takes typed values: its item when it has
// one, else the text as typed.
void showComboText(QComboBox* combo, const QString& text);

} // namespace gear::ui
