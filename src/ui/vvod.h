// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/wheel_input.h"
#include "ui/screen.h"

class QLineEdit;

namespace gear::ui {

// "Ввод исходных данных" of the wheel mode: a wheel's teeth, helix angle and
// sizes.
class Vvod final : public Screen {
    Q_OBJECT

public:
    explicit Vvod(Screens& screens);

    // Texts given to an Ok before, typed in again.
    void showInput(const WheelInput& input);
    // What an Ok hands to the screens after it, once the core has run.
    void presetNext(const Outcome& outcome);

private:
    void onOk();

    QLineEdit* m_teeth;
    QLineEdit* m_angle;
    QLineEdit* m_shaft;
    QLineEdit* m_tip;
    QLineEdit* m_width;
    QLineEdit* m_hub;
};

} // namespace gear::ui
