// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

#include <vector>

class QRadioButton;

namespace gear::ui {

// "Способ обработки" for through-hardened teeth: normalisation or improvement.
class BNormal2 final : public Screen {
    Q_OBJECT

public:
    explicit BNormal2(Screens& screens);

    // The option given to an Ok before, marked again (1-based; 0: none).
    void showOption(int option);

private:
    void onOk();

    std::vector<QRadioButton*> m_options;
};

} // namespace gear::ui
