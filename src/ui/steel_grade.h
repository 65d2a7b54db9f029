// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

#include <vector>

class QRadioButton;

namespace gear::ui {

// "Выбор материала": the grades that suit a treatment; stal1..stal5 are five
// of these.
class SteelGrade final : public Screen {
    Q_OBJECT

public:
    SteelGrade(ScreenId id, Screens& screens);

    // The grade given to an Ok before, marked again (1-based; 0: none).
    void showGrade(int grade);

private:
    void onOk();

    std::vector<QRadioButton*> m_grades;
};

} // namespace gear::ui
