// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/number.h"
#include "ui/screen.h"

class QLabel;

namespace gear::ui {

// "Результаты расчётов" of the check: the permissible load in one line.
class Result final : public Screen {
    Q_OBJECT

public:
    explicit Result(Screens& screens);

    void presetLoad(Number load);

private:
    QLabel* m_load;
};

} // namespace gear::ui
