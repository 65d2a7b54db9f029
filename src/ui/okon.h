// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// "Окончательный выбор материала": the working stresses beside the table of
// steels with their limits.
class Okon final : public Screen {
    Q_OBJECT

public:
    explicit Okon(Screens& screens);
};

} // namespace gear::ui
