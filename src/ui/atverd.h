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

private:
    void onOk();

    std::vector<QRadioButton*> m_options;
};

} // namespace gear::ui
