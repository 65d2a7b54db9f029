#pragma once

#include "ui/screen.h"

#include <vector>

class QRadioButton;

namespace gear::ui {

// "Рекомендуемые значения твёрдости зубьев и виды ХТО": typical applications
// with their treatment and tooth hardness.
class ATverd final : public Screen {
    Q_OBJECT

public:
    explicit ATverd(Screens& screens);

private:
    void onOk();

    std::vector<QRadioButton*> m_rows;
};

// "Требования к изготовлению": the check mode's first question.
class Trebov2 final : public Screen {
    Q_OBJECT

public:
    explicit Trebov2(Screens& screens);

private:
    void onOk();

    std::vector<QRadioButton*> m_options;
};

// "Способ обработки" for through-hardened teeth: normalisation or improvement.
class BNormal2 final : public Screen {
    Q_OBJECT

public:
    explicit BNormal2(Screens& screens);

private:
    void onOk();

    std::vector<QRadioButton*> m_options;
};

// "Способ обработки" for surface-hardened teeth.
class Czakalka2 final : public Screen {
    Q_OBJECT

public:
    explicit Czakalka2(Screens& screens);

private:
    void onOk();

    std::vector<QRadioButton*> m_options;
};

// "Выбор материала": the grades that suit a treatment; stal1..stal5 are five
// of these.
class SteelGrade final : public Screen {
    Q_OBJECT

public:
    SteelGrade(ScreenId id, Screens& screens);

private:
    void onOk();

    std::vector<QRadioButton*> m_grades;
};

} // namespace gear::ui
