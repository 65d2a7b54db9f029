// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_conversion.h"

namespace gear::ui {

QString qt(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

} // namespace gear::ui
