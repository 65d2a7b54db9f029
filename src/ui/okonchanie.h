// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

#include <array>

class QLabel;

namespace gear::ui {

// "Результаты расчётов": the parameters of the designed pair.
class Okonchanie final : public Screen {
    Q_OBJECT

public:
    explicit Okonchanie(Screens& screens);

    // Module, teeth, helix angle and diameters of pinion and wheel.
    void presetGeometry();
    void presetGrade();

    // The table as it stands: parameter, unit, pinion, wheel.
    QList<QStringList> resultRows() const;

private:
    void showDrawing();

    std::array<QLabel*, 7> m_pinion{};
    std::array<QLabel*, 7> m_wheel{};
    std::array<QLabel*, 7> m_captions{};
    std::array<QLabel*, 7> m_units{};
};

} // namespace gear::ui
