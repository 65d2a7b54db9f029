// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

class QGridLayout;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QWidget;

namespace gear {
struct SelfCheckRow;
}

namespace gear::ui {

// "Ход расчёта": every formula of the last calculation of each mode with the
// student's numbers, to check a hand calculation against; in its
// self-check, the formulas without numbers, a field beside each value line
// for the student's own value, and each line marked by the session.
class HodRascheta final : public Screen {
    Q_OBJECT

public:
    explicit HodRascheta(Screens& screens);

    // Shows the calculations as they stand now.
    void refresh();

    // The first time only: beside the main window `beside` (its frame), on
    // its screen, within the area that screen leaves for windows.
    void placeBeside(const QRect& beside);

private:
    void copy();
    // The report, the same as "Отчёт (PDF)…" writes, on a printer.
    void print();
    void openPrintDialog();
    void showSelfCheck(bool shown);
    void rebuildSelfCheck();
    QLineEdit* addSelfCheckRow(QGridLayout& grid, int& at, int number, const SelfCheckRow& row);
    void checkSelf();
    void importSelfCheck();

    QTextBrowser* m_page;
    QStackedWidget* m_views;
    QWidget* m_selfCheck; // the rows, rebuilt with the walkthrough
    QWidget* m_checkBar;  // tolerance, «Проверить», CSV, summary
    QLineEdit* m_tolerance;
    QPushButton* m_selfCheckButton;
    bool m_placed = false;
};

} // namespace gear::ui
