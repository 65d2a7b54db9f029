// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QWidget;

namespace gear::ui {

// The font the course's screens are drawn in.
QFont times(double points, bool bold = false);

// The widget's own font, in bold.
void makeBold(QWidget* widget);

} // namespace gear::ui
