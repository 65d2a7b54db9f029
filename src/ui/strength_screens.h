#pragma once

#include "ui/screen.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace gear::ui {

// "Ввод исходных данных" of the transmission design: pinion teeth, helix
// angle, torque and gear ratio.
class Vvod2 final : public Screen {
    Q_OBJECT

public:
    explicit Vvod2(Screens& screens);

    // The series of gear ratios, put in the first time it is needed.
    void fillRatioList();

private:
    void onOk();

    QLineEdit* m_teeth;
    QLineEdit* m_angle;
    QLineEdit* m_torque;
    QComboBox* m_ratio;
};

// "Ввод данных" of the check: an existing wheel's size.
class Vvod3 final : public Screen {
    Q_OBJECT

public:
    explicit Vvod3(Screens& screens);

private:
    void onOk();

    QLineEdit* m_diameter;
    QLineEdit* m_teeth;
    QLineEdit* m_angle;
    QLineEdit* m_width;
};

// "Результаты расчётов" of the check: the permissible load in one line.
class Result final : public Screen {
    Q_OBJECT

public:
    explicit Result(Screens& screens);

    void presetLoad(Number load);

    // The result line as shown.
    QList<QStringList> resultRows() const;

private:
    QLabel* m_load;
};

} // namespace gear::ui
