// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// "Справка": what the program is for.
class Info final : public Screen {
    Q_OBJECT

public:
    explicit Info(Screens& screens);
};

} // namespace gear::ui
