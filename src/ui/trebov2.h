// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

#include <vector>

class QRadioButton;

namespace gear::ui {

// "Требования к изготовлению": the check mode's first question.
class Trebov2 final : public Screen {
    Q_OBJECT

public:
    explicit Trebov2(Screens& screens);

    // The option given to an Ok before, marked again (1-based; 0: none).
    void showOption(int option);

private:
    void onOk();

    std::vector<QRadioButton*> m_options;
};

} // namespace gear::ui
