// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/beta_picture.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QLabel>

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
