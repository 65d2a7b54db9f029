// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "strength/check_calculation.h"
#include "ui/screen.h"

class QLineEdit;

namespace gear::ui {

// "Ввод данных" of the check: an existing wheel's size.
class Vvod3 final : public Screen {
    Q_OBJECT

public:
    explicit Vvod3(Screens& screens);

    // Texts given to an Ok before, typed in again.
    void showInput(const CheckInput& input);
    // What an Ok hands to the screens after it, once the core has run.
    void presetNext(const Outcome& outcome);

private:
    void onOk();

    QLineEdit* m_diameter;
    QLineEdit* m_teeth;
    QLineEdit* m_angle;
    QLineEdit* m_width;
};

} // namespace gear::ui
