// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// "Ошибка": no standard module, or two, were taken.
class Oshibka1 final : public Screen {
    Q_OBJECT

public:
    explicit Oshibka1(Screens& screens);
};

} // namespace gear::ui
