// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// "Изменение параметров": the seventeen default coefficients.
class Nastroyka final : public Screen {
    Q_OBJECT

public:
    explicit Nastroyka(Screens& screens);
};

} // namespace gear::ui
