// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

class QLineEdit;

namespace gear::ui {

// "Ввод данных" of the check: an existing wheel's size.
class Vvod3 final : public Screen {
    Q_OBJECT

public:
    explicit Vvod3(Screens& screens);

private:
    void onOk();

    QLineEdit* m_diameter;
    QLineEdit* m_teeth;
    QLineEdit* m_angle;
    QLineEdit* m_width;
};

} // namespace gear::ui
