#pragma once

#include "ui/screen.h"

#include <array>

class QLabel;
class QLineEdit;

namespace gear::ui {

// "Выход": the only orderly way out of the program.
class Vihod final : public Screen {
    Q_OBJECT

public:
    explicit Vihod(Screens& screens);

signals:
    void exitConfirmed();
};

// "Справка": what the program is for.
class Info final : public Screen {
    Q_OBJECT

public:
    explicit Info(Screens& screens);
};

// "Изменение параметров": the seventeen default coefficients.
class Nastroyka final : public Screen {
    Q_OBJECT

public:
    explicit Nastroyka(Screens& screens);

    // Fills the fields with the coefficients in force.
    void showCurrent();

private:
    void onOk();

    std::array<QLineEdit*, 17> m_fields{};
};

} // namespace gear::ui
