// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

namespace gear::ui {

class CalculationDocument;
class Screens;

// The main window: the menu of the three modes, "О программе" and the way out.
class Nachalo final : public QMainWindow {
    Q_OBJECT

public:
    explicit Nachalo(Screens& screens);

    // The calculation on the screens as a file.
    CalculationDocument& document() { return *m_document; }

signals:
    // "Да" on the exit confirmation: every screen is gone, the program ends.
    void exitConfirmed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs before the window is first shown: the screens of the reference
    // lists are made.
    void load();
    void buildMenu();
    void openExitConfirmation();
    void leaveProgram();
    // The file's name, and the mark of unsaved work, in the title.
    void showTitle();

    Screens& m_screens;
    CalculationDocument* m_document = nullptr;
    bool m_leaving = false;
};

} // namespace gear::ui
