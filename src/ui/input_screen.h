// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// A screen of fields to type, each under its prompt (Vvod2, Vvod3) or
// beside it in the course's serif type (Vvod).
class InputScreen final : public Screen {
    Q_OBJECT

public:
    InputScreen(ScreenId id, Screens& screens);
};

} // namespace gear::ui
