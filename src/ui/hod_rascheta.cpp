// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hod_rascheta.h"

#include "ui/controls.h"
#include "ui/number_display.h"
#include "ui/report.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/walkthrough_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace gear::ui {

HodRascheta::HodRascheta(Screens& screens) : Screen(ScreenId::hodRascheta, screens, QStringLiteral("Ход расчёта"))
{
    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("Text1"));
    auto* copy = makeButton(this, "Command1", QStringLiteral("Копировать"));
    auto* print = makeButton(this, "Command2", QStringLiteral("Печать…"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    layout->addLayout(buttons);
    resize(760, 620);

    connect(copy, &QPushButton::clicked, this, &HodRascheta::copy);
    connect(print, &QPushButton::clicked, this, &HodRascheta::print);
    refresh();
}

void HodRascheta::refresh()
{
    m_page->setHtml(walkthroughHtml(state()));
}

void HodRascheta::copy()
{
    QApplication::clipboard()->setText(walkthroughText(state()));
}

void HodRascheta::print()
{
    withReportAuthor(this, screens(), [this] { openPrintDialog(); });
}

void HodRascheta::openPrintDialog()
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    auto* dialog = new QPrintDialog(printer, this);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog may go without ever finishing (the program quits with it
    // open), so the printer lives exactly as long as the dialog.
    connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    connect(dialog, &QDialog::finished, this, [this, printer](int answer) {
        if (answer == QDialog::Accepted)
            printReport(state(), *screens().reportAuthor(), *printer);
    });
    dialog->open();
}

} // namespace gear::ui
