// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// "Выход": the only orderly way out of the program.
class Vihod final : public Screen {
    Q_OBJECT

public:
    explicit Vihod(Screens& screens);

signals:
    void exitConfirmed();
};

} // namespace gear::ui
