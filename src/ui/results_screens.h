#pragma once

#include "ui/screen.h"

#include <array>

class QLabel;

namespace gear::ui {

class WheelSketch;

// "Ошибка": no standard module, or two, were taken.
class Oshibka1 final : public Screen {
    Q_OBJECT

public:
    explicit Oshibka1(Screens& screens);
};

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

// "Чертёж колеса": the design of wheel that suits the pinion's tip diameter.
class Vivod4 final : public Screen {
    Q_OBJECT

public:
    explicit Vivod4(Screens& screens);

    // Makes exactly the sketch for tip diameter da visible.
    void choosePicture(double da);

private:
    std::array<WheelSketch*, 3> m_pictures{};
};

} // namespace gear::ui
