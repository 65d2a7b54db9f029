// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "ui/screen.h"

#include <vector>

class QLabel;

namespace gear::ui {

// "Результаты расчётов": the parameters of the designed pair.
class Okonchanie final : public Screen {
    Q_OBJECT

public:
    explicit Okonchanie(Screens& screens);

    // Module, teeth, helix angle and diameters of pinion and wheel.
    void presetGeometry();
    void presetGrade();

private:
    void showDrawing();

    struct Value {
        QLabel* pinion;
        QLabel* wheel;
        Number Quantities::*pinionSource; // none: the steel's grade
        Number Quantities::*wheelSource;
    };
    std::vector<Value> m_values;
};

} // namespace gear::ui
