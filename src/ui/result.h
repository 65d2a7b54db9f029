// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// "Результаты расчётов" of the check: the permissible load in one line.
class Result final : public Screen {
    Q_OBJECT

public:
    explicit Result(Screens& screens);
};

} // namespace gear::ui
