// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

class QComboBox;
class QLabel;

namespace gear::ui {

// "Модули": the calculated module is matched to a standard one.
class Vibor final : public Screen {
    Q_OBJECT

public:
    explicit Vibor(Screens& screens);

    // Start-up: the two rows of standard modules.
    void fillModuleLists();

    // Shows the calculated module with nothing taken from either row.
    void presetCalculatedModule(Number module);

    // The texts of the two rows given to an Ok before, taken again.
    void showTaken(const QString& row1, const QString& row2);
    // What an Ok hands to the screens after it, once the core has run.
    void presetNext(const Outcome& outcome);

private:
    void onOk();

    QLabel* m_module;
    QComboBox* m_row1;
    QComboBox* m_row2;
};

} // namespace gear::ui
