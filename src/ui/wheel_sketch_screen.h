// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "ui/screen.h"

#include <vector>

class QLabel;

namespace gear::ui {

class DrawingView;

// "Эскиз зубчатого колеса …": the wheel just computed, its dimensions beside
// its sketch; vivod1..vivod3 are three of these, one per design.
class WheelSketchScreen final : public Screen {
    Q_OBJECT

public:
    WheelSketchScreen(ScreenId id, Screens& screens);

    // Shows the wheel the state holds.
    void presetWheel();

private:
    struct Value {
        QLabel* field;
        Number Quantities::*source;
    };
    std::vector<Value> m_values;
    DrawingView* m_sketch;
    QLabel* m_note;
};

} // namespace gear::ui
