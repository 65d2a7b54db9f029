// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

namespace gear::ui {

// A screen of one group of options: the treatments of a table with their
// hardness (BNormal2, Czakalka2), or options in columns under their
// captions (trebov2) or under a prompt (the steel screens stal1–stal5).
class OptionScreen final : public Screen {
    Q_OBJECT

public:
    OptionScreen(ScreenId id, Screens& screens);

private:
    QWidget* makeTreatmentTable();
    QWidget* makeColumns();
};

} // namespace gear::ui
