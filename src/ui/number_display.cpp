// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/number_display.h"

#include "shell/number_text.h"
#include "ui/text_conversion.h"

#include <QLocale>

namespace gear::ui {

std::string decimalSeparator()
{
    return utf8(QLocale().decimalPoint());
}

QString shown(Number value)
{
    return qt(numberToText(value, decimalSeparator()));
}

} // namespace gear::ui
