// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

#include <array>

namespace gear::ui {

class DrawingView;

// "Чертёж колеса": the design of wheel that suits the pinion's tip diameter.
class Vivod4 final : public Screen {
    Q_OBJECT

public:
    explicit Vivod4(Screens& screens);

private:
    void saveDrawing() override;

    std::array<DrawingView*, 3> m_pictures{};
};

} // namespace gear::ui
