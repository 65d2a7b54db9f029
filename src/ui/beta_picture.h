// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QWidget;

namespace gear::ui {

// The small picture of the Greek letter β that marks a helix angle prompt.
QLabel* makeBetaPicture(QWidget* parent);

} // namespace gear::ui
