// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "strength/transmission_design.h"
#include "ui/screen.h"

class QComboBox;
class QLineEdit;

namespace gear::ui {

// "Ввод исходных данных" of the transmission design: pinion teeth, helix
// angle, torque and gear ratio.
class Vvod2 final : public Screen {
    Q_OBJECT

public:
    explicit Vvod2(Screens& screens);

    // The series of gear ratios, put in the first time it is needed.
    void fillRatioList();

    // Texts given to an Ok before, typed in again.
    void showInput(const TransmissionInput& input);
    // What an Ok hands to the screens after it, once the core has run.
    void presetNext(const Outcome& outcome);

private:
    void onOk();

    QLineEdit* m_teeth;
    QLineEdit* m_angle;
    QLineEdit* m_torque;
    QComboBox* m_ratio;
};

} // namespace gear::ui
