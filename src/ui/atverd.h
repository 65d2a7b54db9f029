// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

#include <vector>

class QRadioButton;

namespace gear::ui {

// "Рекомендуемые значения твёрдости зубьев и виды ХТО": typical applications
// with their treatment and tooth hardness.
class ATverd final : public Screen {
    Q_OBJECT

public:
    explicit ATverd(Screens& screens);

    // The row given to an Ok before, marked again (1-based; 0: none).
    void showRow(int row);
    // What an Ok hands to the screens after it, once the core has run.
    void presetNext(const Outcome& outcome);

private:
    void onOk();

    std::vector<QRadioButton*> m_options;
};

} // namespace gear::ui
