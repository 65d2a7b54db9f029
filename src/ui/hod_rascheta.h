// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen.h"

class QTextBrowser;

namespace gear::ui {

// "Ход расчёта": every formula of the last calculation of each mode with the
// student's numbers, to check a hand calculation against.
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

    QTextBrowser* m_page;
    bool m_placed = false;
};

} // namespace gear::ui
