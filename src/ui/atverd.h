// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// The table of recommended hardness and treatment, an option per row.
class ATverd final : public Screen {
    Q_OBJECT

public:
    explicit ATverd(Screens& screens);
};

} // namespace gear::ui
