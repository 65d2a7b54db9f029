// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

class QLineEdit;

namespace gear::ui {

// "Ввод исходных данных" of the wheel mode: a wheel's teeth, helix angle and
// sizes.
class Vvod final : public Screen {
    Q_OBJECT

public:
    explicit Vvod(Screens& screens);

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
