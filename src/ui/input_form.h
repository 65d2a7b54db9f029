// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QVBoxLayout;
class QWidget;

namespace gear::ui {

// A prompt above its field, as the input screens lay them out; the field
// takes the prompt's text as its accessible name.
void addPrompt(QVBoxLayout* layout, QLabel* prompt, QWidget* field);

// The same with the picture of β after the prompt.
void addPromptWithBeta(QVBoxLayout* layout, QLabel* prompt, QWidget* field);

} // namespace gear::ui
