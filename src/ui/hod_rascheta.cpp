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
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace gear::ui {

HodRascheta::HodRascheta(Screens& screens) : Screen(ScreenId::hodRascheta, screens)
{
    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("Text1"));
    const std::vector<QPushButton*> made = makeButtons();
    QPushButton* copy = made[0];
    QPushButton* print = made[1];
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

void HodRascheta::placeBeside(const QRect& beside)
{
    if (m_placed)
        return;
    m_placed = true;
    const QScreen* screen = QGuiApplication::screenAt(beside.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Room for a title bar and a frame, which the window system adds.
    const QSize frame(16, 40);
    resize(size().boundedTo(area.size() - frame));
    const int width = this->width() + frame.width();
    const int height = this->height() + frame.height();
    int x = beside.right() + 1;
    if (x + width > area.right() + 1)
        x = beside.left() - width;
    if (x < area.left())
        x = area.right() + 1 - width;
    const int y = std::clamp(beside.top(), area.top(), std::max(area.top(), area.bottom() + 1 - height));
    move(std::max(x, area.left()), y);
}

void HodRascheta::refresh()
{
    m_page->setHtml(walkthroughHtml(state()));
}

void HodRascheta::copy()
{
    QApplication::clipboard()->setText(qt(screens().session().walkthroughText()));
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
