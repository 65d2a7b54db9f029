// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hod_rascheta.h"

#include "geometry/module_choice.h"
#include "ui/controls.h"
#include "ui/okonchanie.h"
#include "ui/result.h"
#include "ui/screens.h"
#include "ui/walkthrough_view.h"
#include "ui/wheel_sketch_screen.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
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

namespace {

QString resultsTable(const QString& title, const QList<QStringList>& rows)
{
    if (rows.isEmpty())
        return {};
    QString html = QStringLiteral("<h2>%1</h2><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">")
                       .arg(title.toHtmlEscaped());
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString HodRascheta::printedHtml()
{
    QString results;
    if (state().walkthrough.of(Mode::Transmission) && screens().isLoaded(ScreenId::okonchanie))
        results += resultsTable(QStringLiteral("Результаты расчёта передачи"),
                                screens().load<Okonchanie>(ScreenId::okonchanie).resultRows());
    if (state().walkthrough.of(Mode::Wheel)) {
        const ScreenId sketch = wheelSketchScreen(state().da);
        if (screens().isLoaded(sketch))
            results +=
                resultsTable(QStringLiteral("Размеры колеса"), screens().load<WheelSketchScreen>(sketch).resultRows());
    }
    if (state().walkthrough.of(Mode::Check) && screens().isLoaded(ScreenId::result))
        results +=
            resultsTable(QStringLiteral("Результат проверки"), screens().load<Result>(ScreenId::result).resultRows());
    QString page = walkthroughHtml(state());
    page.replace(QStringLiteral("</body>"), results + QStringLiteral("</body>"));
    return page;
}

void HodRascheta::print()
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    auto* dialog = new QPrintDialog(printer, this);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog may go without ever finishing (the program quits with it
    // open), so the printer lives exactly as long as the dialog.
    connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    connect(dialog, &QDialog::finished, this, [this, printer](int answer) {
        if (answer == QDialog::Accepted) {
            QTextDocument document;
            document.setHtml(printedHtml());
            document.print(printer);
        }
    });
    dialog->open();
}

} // namespace gear::ui
