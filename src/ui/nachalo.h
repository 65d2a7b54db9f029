// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"

#include <QMainWindow>

namespace gear::ui {

class Screens;

// The main window: the menu of the three modes, "О программе" and the way out.
class Nachalo final : public QMainWindow {
    Q_OBJECT

public:
    Nachalo(CalcState& state, Screens& screens);

signals:
    // "Да" on the exit confirmation: every screen is gone, the program ends.
    void exitConfirmed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs before the window is first shown: coefficients, the module and
    // steel lists, the preferred sizes.
    void load();
    void buildMenu();
    void openExitConfirmation();
    void openParameters();
    void leaveProgram();

    CalcState& m_state;
    Screens& m_screens;
    bool m_leaving = false;
};

} // namespace gear::ui
