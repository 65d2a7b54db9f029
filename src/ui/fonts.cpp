// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QWidget>

namespace gear::ui {

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

} // namespace gear::ui
