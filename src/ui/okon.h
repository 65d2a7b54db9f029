// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

#include <array>

class QComboBox;
class QLabel;

namespace gear::ui {

// "Окончательный выбор материала": the working stresses beside the table of
// steels with their limits.
class Okon final : public Screen {
    Q_OBJECT

public:
    explicit Okon(Screens& screens);

    // Start-up: the empty item and the 29 steels.
    void fillSteelList();

    // The working stresses just computed (or the limits, when none were).
    void presetStresses();

    // The list item given to an Ok before, chosen again.
    void showSteel(int index);
    // What an Ok hands to the screens after it, once the core has run.
    void presetNext(const Outcome& outcome);

private:
    void onOk();

    QComboBox* m_steels;
    std::array<QLabel*, 4> m_stresses{}; // sigmaF1, sigmaF2, sigmaH1, sigmaH2
};

} // namespace gear::ui
