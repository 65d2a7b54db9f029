// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

class DrawingView;

// "Эскиз зубчатого колеса …": the wheel just computed, its dimensions beside
// its sketch; vivod1..vivod3 are three of these, one per design.
class WheelSketchScreen final : public Screen {
    Q_OBJECT

public:
    WheelSketchScreen(ScreenId id, Screens& screens);

private:
    void saveDrawing() override;

    DrawingView* m_sketch;
};

} // namespace gear::ui
