// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hod_rascheta.h"

#include "screens/walkthrough_text.h"
#include "ui/controls.h"
#include "ui/number_display.h"
#include "ui/report.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/walkthrough_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace gear::ui {

HodRascheta::HodRascheta(Screens& screens) : Screen(ScreenId::hodRascheta, screens)
{
    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("Text1"));
    auto* rows = new QScrollArea(this);
    rows->setObjectName(QStringLiteral("Frame1"));
    rows->setWidgetResizable(true);
    m_selfCheck = new QWidget(rows);
    rows->setWidget(m_selfCheck);
    m_views = new QStackedWidget(this);
    m_views->addWidget(m_page);
    m_views->addWidget(rows);

    const std::vector<QPushButton*> made = makeButtons();
    QPushButton* copy = made[0];
    QPushButton* print = made[1];
    m_selfCheckButton = made[2];
    m_selfCheckButton->setCheckable(true);
    QPushButton* check = made[3];
    QPushButton* fromCsv = made[4];

    m_checkBar = new QWidget(this);
    auto* bar = new QHBoxLayout(m_checkBar);
    bar->setContentsMargins(0, 0, 0, 0);
    QLabel* toleranceCaption = makeLabel(m_checkBar, "Label2", caption("Label2"));
    m_tolerance = makeTextField(m_checkBar, "Text2");
    m_tolerance->setMaximumWidth(70);
    nameField(toleranceCaption, m_tolerance);
    QLabel* summary = makeLabel(m_checkBar, "Label1", {});
    summary->setWordWrap(true);
    bar->addWidget(toleranceCaption);
    bar->addWidget(m_tolerance);
    bar->addWidget(check);
    bar->addWidget(fromCsv);
    bar->addWidget(summary, 1);
    m_checkBar->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_selfCheckButton);
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_views);
    layout->addWidget(m_checkBar);
    layout->addLayout(buttons);
    resize(760, 620);

    connect(copy, &QPushButton::clicked, this, &HodRascheta::copy);
    connect(print, &QPushButton::clicked, this, &HodRascheta::print);
    connect(m_selfCheckButton, &QPushButton::toggled, this, &HodRascheta::showSelfCheck);
    connect(check, &QPushButton::clicked, this, &HodRascheta::checkSelf);
    connect(fromCsv, &QPushButton::clicked, this, &HodRascheta::importSelfCheck);
    connect(m_tolerance, &QLineEdit::returnPressed, this, &HodRascheta::checkSelf);
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
    rebuildSelfCheck();
}

void HodRascheta::showSelfCheck(bool shown)
{
    m_views->setCurrentIndex(shown ? 1 : 0);
    m_checkBar->setVisible(shown);
    if (shown) {
        if (auto* first = m_selfCheck->findChild<QLineEdit*>(QStringLiteral("Self1")))
            first->setFocus();
        else
            m_tolerance->setFocus();
    }
}

// The rows as the session gives them: a heading for each mode and screen,
// then each value line's symbol and formula, its field and its mark, and
// under it, on a wrong line, the formula with the student's own values.
// Row `n` of the self-check at line `at` of `grid`: the formula, the
// student's field, the unit and the mark, and under them the student's
// formula redone; `at` is left past them.
QLineEdit* HodRascheta::addSelfCheckRow(QGridLayout& grid, int& at, int number, const SelfCheckRow& row)
{
    const QString n = QString::number(number);
    QString formula = symbolHtml(qt(row.quantity));
    if (!row.symbolic.empty())
        formula += QStringLiteral(" = ") + symbolHtml(qt(row.symbolic));
    formula += QStringLiteral(" =");
    auto* symbol = new QLabel(formula, m_selfCheck);
    symbol->setObjectName(QStringLiteral("Formula") + n);
    symbol->setTextFormat(Qt::RichText);
    auto* field = makeTextField(m_selfCheck, ("Self" + n.toStdString()).c_str());
    field->setText(qt(row.typed));
    field->setMaximumWidth(110);
    symbol->setBuddy(field);
    field->setAccessibleName(qt(plainSymbols(row.quantity) + (row.unit.empty() ? "" : ", " + row.unit)));
    auto* unit = makeLabel(m_selfCheck, nullptr, qt(row.unit));
    auto* mark = makeLabel(m_selfCheck, ("Mark" + n.toStdString()).c_str(), qt(row.markText));
    auto* own = makeLabel(m_selfCheck, ("Own" + n.toStdString()).c_str(), qt(row.own));
    own->setStyleSheet(QStringLiteral("color:#7a4b00"));
    grid.addWidget(symbol, at, 0);
    grid.addWidget(field, at, 1);
    grid.addWidget(unit, at, 2);
    grid.addWidget(mark, at++, 3);
    grid.addWidget(own, at++, 0, 1, 4);
    connect(field, &QLineEdit::returnPressed, this, &HodRascheta::checkSelf);
    return field;
}

void HodRascheta::rebuildSelfCheck()
{
    auto* area = static_cast<QScrollArea*>(m_views->widget(1));
    const int scrolled = area->verticalScrollBar()->value();
    QWidget* focused = QApplication::focusWidget();
    const QString focusedName = focused && m_selfCheck->isAncestorOf(focused) ? focused->objectName() : QString();
    delete m_selfCheck->layout();
    // The field whose Enter asked for the check may be the one going: each
    // goes once its signal has returned, nameless so that none is found.
    for (QWidget* child : m_selfCheck->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->setObjectName({});
        child->hide();
        child->deleteLater();
    }
    auto* grid = new QGridLayout(m_selfCheck);
    grid->setAlignment(Qt::AlignTop);
    const std::vector<SelfCheckRow> rows = screens().session().selfCheckRows();
    std::string section;
    std::string heading;
    int at = 0;
    QWidget* previous = m_selfCheckButton;
    for (size_t i = 0; i < rows.size(); ++i) {
        const SelfCheckRow& row = rows[i];
        if (row.section != section) {
            section = row.section;
            heading.clear();
            auto* title = new QLabel(QStringLiteral("<h2>%1</h2>").arg(qt(section).toHtmlEscaped()), m_selfCheck);
            grid->addWidget(title, at++, 0, 1, 4);
        }
        if (row.heading != heading) {
            heading = row.heading;
            auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(qt(heading).toHtmlEscaped()), m_selfCheck);
            grid->addWidget(title, at++, 0, 1, 4);
        }
        QLineEdit* field = addSelfCheckRow(*grid, at, static_cast<int>(i) + 1, row);
        setTabOrder(previous, field);
        previous = field;
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);
    // Shown now, not once the layout gets round to it, and the field the
    // student was in keeps the focus.
    for (QWidget* child : m_selfCheck->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A redone formula takes a line only where there is one.
        const auto* label = qobject_cast<QLabel*>(child);
        const bool emptyOwn = label && child->objectName().startsWith(QLatin1String("Own")) && label->text().isEmpty();
        child->setVisible(grid->indexOf(child) >= 0 && !emptyOwn);
    }
    if (!focusedName.isEmpty()) {
        if (auto* again = m_selfCheck->findChild<QLineEdit*>(focusedName))
            again->setFocus();
    }
    m_tolerance->setText(qt(screens().session().selfCheckTolerance()));
    // The student stays where he was in the rows.
    m_selfCheck->adjustSize();
    area->verticalScrollBar()->setValue(scrolled);
}

void HodRascheta::checkSelf()
{
    std::vector<std::string> typed;
    for (int i = 1;; ++i) {
        auto* field = m_selfCheck->findChild<QLineEdit*>(QStringLiteral("Self%1").arg(i));
        if (!field)
            break;
        typed.push_back(utf8(field->text()));
    }
    screens().apply(screens().session().checkSelf(typed, utf8(m_tolerance->text())), this);
}

void HodRascheta::importSelfCheck()
{
    auto* dialog = new QFileDialog(this, tr("Значения самопроверки"));
    dialog->setObjectName(QStringLiteral("openSelfCheck"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog, the same on every desktop, which the tests can drive.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilter(tr("Таблица символ;значение (*.csv *.txt)"));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        QFile file(path);
        // A table of a few dozen lines; anything near a mebibyte is no such table.
        if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024) {
            screens().refuse(this, tr("Файл «%1» не читается как таблица символ;значение.").arg(path));
            return;
        }
        screens().apply(screens().session().importSelfCheck(file.readAll().toStdString()), this);
    });
    dialog->open();
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
