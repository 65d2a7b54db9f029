// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// "Модули": the calculated module is matched to a standard one.
class Vibor final : public Screen {
    Q_OBJECT

public:
    explicit Vibor(Screens& screens);
};

} // namespace gear::ui
