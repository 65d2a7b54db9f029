#pragma once

#include "geometry/wheel_body.h"
#include "ui/screen.h"

#include <vector>

class QLabel;
class QLineEdit;

namespace gear::ui {

class WheelSketch;

// "Ввод исходных данных" of the wheel mode: a wheel's teeth, helix angle and
// sizes.
class Vvod final : public Screen {
    Q_OBJECT

public:
    explicit Vvod(Screens& screens);

private:
    void onOk();

    QLineEdit* m_teeth;
    QLineEdit* m_angle;
    QLineEdit* m_shaft;
    QLineEdit* m_tip;
    QLineEdit* m_width;
    QLineEdit* m_hub;
};

// "Эскиз зубчатого колеса …": the wheel just computed, its dimensions beside
// its sketch; vivod1..vivod3 are three of these, one per design.
class WheelSketchScreen final : public Screen {
    Q_OBJECT

public:
    WheelSketchScreen(ScreenId id, Screens& screens);

    void presetWheel(const WheelBody& body);

    // Each dimension's caption and value as shown.
    QList<QStringList> resultRows() const;

private:
    struct Value {
        QLabel* caption;
        QLabel* field;
        int source;
    };
    std::vector<Value> m_values;
    WheelSketch* m_sketch;
};

} // namespace gear::ui
