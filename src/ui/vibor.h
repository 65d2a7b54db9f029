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

private:
    void onOk();

    QLabel* m_module;
    QComboBox* m_row1;
    QComboBox* m_row2;
};

} // namespace gear::ui
