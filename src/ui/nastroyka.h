// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "ui/screen.h"

#include <array>

class QLineEdit;

namespace gear::ui {

// "Изменение параметров": the seventeen default coefficients.
class Nastroyka final : public Screen {
    Q_OBJECT

public:
    explicit Nastroyka(Screens& screens);

    // Fills the fields with the coefficients in force.
    void showCurrent();

private:
    void onOk();

    std::array<QLineEdit*, kCoefficientCount> m_fields{};
};

} // namespace gear::ui
