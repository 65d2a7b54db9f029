// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace gear::ui {

// The core speaks UTF-8; Qt speaks QString.
QString qt(std::string_view utf8);
std::string utf8(const QString& text);

} // namespace gear::ui
