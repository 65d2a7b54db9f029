// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// "Результаты расчётов": the parameters of the designed pair.
class Okonchanie final : public Screen {
    Q_OBJECT

public:
    explicit Okonchanie(Screens& screens);
};

} // namespace gear::ui
