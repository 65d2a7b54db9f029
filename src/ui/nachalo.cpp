// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/nachalo.h"

#include "ui/calculation_document.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/group_marking.h"
#include "ui/hod_rascheta.h"
#include "ui/report.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/vihod.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>

#include <array>

namespace gear::ui {

Nachalo::Nachalo(Screens& screens) : m_screens(screens)
{
    setObjectName(QStringLiteral("Nachalo"));
    m_screens.setMainWindow(this);

    auto* area = new QLabel(this);
    area->setObjectName(QStringLiteral("background"));
    area->setPixmap(QPixmap(QStringLiteral(":/nachalo.png")));
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setMinimumSize(1, 1);
    setCentralWidget(area);

    // The title overlays the picture; the blanks make it wrap into two lines.
    auto* title = makeLabel(area, "Label1",
                            tr("Программа для расчёта параметров                       "
                               "колёс или шестерен ."));
    title->setFont(times(14.25, true));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignCenter);
    title->setAutoFillBackground(true);
    // The desktop's selection colour on its inactive caption grey, made
    // lighter or darker where a theme would leave it unreadable on it.
    QPalette colours = title->palette();
    const QColor background = palette().color(QPalette::Inactive, QPalette::Button);
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, readableOn(palette().color(QPalette::Highlight), background));
    title->setPalette(colours);
    title->setGeometry(128, 10, 353, 56);

    // Two decorative lines from the top left corner.
    const std::array<std::pair<const char*, QRect>, 2> lines{
        {{"Line1", QRect(0, 0, 120, 5)}, {"Line2", QRect(0, 0, 5, 120)}}};
    for (const auto& [name, place] : lines) {
        auto* line = new QFrame(area);
        line->setObjectName(QString::fromLatin1(name));
        line->setFrameShape(place.width() > place.height() ? QFrame::HLine : QFrame::VLine);
        line->setLineWidth(5);
        line->setGeometry(place);
    }

    buildMenu();
    load();
    m_document = new CalculationDocument(m_screens, this);
    m_screens.setCalculatedHandler([this] { m_document->refresh(); });
    connect(m_document, &CalculationDocument::changed, this, &Nachalo::showTitle);
    showTitle();
    setFixedSize(580, 411 + menuBar()->sizeHint().height());
}

void Nachalo::load()
{
    // The screens that hold the reference lists are made at start-up.
    m_screens.load(ScreenId::Vibor);
    m_screens.load(ScreenId::okon);
    m_screens.setMainWindow(this);
}

void Nachalo::buildMenu()
{
    auto addAction = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QMenu* calculation = file->addMenu(tr("Расчёт"));
    calculation->setObjectName(QStringLiteral("mnuRaschet"));
    QAction* wheel = addAction(calculation, "mnuKol", tr("Колесо"));
    QAction* check = addAction(calculation, "mnuProv", tr("Проверка"));
    QAction* pair = addAction(calculation, "mnuPer", tr("Передача"));
    file->addSeparator();
    QAction* open = addAction(file, "mnuOpen", tr("Открыть…"));
    open->setShortcut(QKeySequence::Open);
    QAction* save = addAction(file, "mnuSave", tr("Сохранить"));
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = addAction(file, "mnuSaveAs", tr("Сохранить как…"));
    // Not the platform's key, which some desktops (and Windows) leave empty.
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* report = addAction(file, "mnuReport", tr("Отчёт (PDF)…"));
    QAction* marking = addAction(file, "mnuGrade", tr("Проверить работы группы…"));
    file->addSeparator();
    QAction* exit = addAction(file, "mnuExit", tr("Выход"));
    QMenu* service = menuBar()->addMenu(tr("Сервис"));
    service->setObjectName(QStringLiteral("itemServis"));
    QAction* about = addAction(service, "mnuProg", tr("О программе"));
    QAction* steps = addAction(service, "mnuSteps", tr("Ход расчёта"));
    QAction* parameters = addAction(service, "mnuParam", tr("Параметры"));

    for (QAction* command : {wheel, pair, check, about}) {
        connect(command, &QAction::triggered, this,
                [this, command] { m_screens.menu(command->objectName().toStdString()); });
    }
    connect(open, &QAction::triggered, this, [this] {
        m_document->offerToSave(tr("Сохранить расчёт, прежде чем открыть другой?"),
                                [this] { m_document->chooseFileToOpen(); });
    });
    connect(save, &QAction::triggered, this, [this] { m_document->save(); });
    connect(saveAs, &QAction::triggered, this, [this] { m_document->chooseFileToSaveIn(); });
    connect(report, &QAction::triggered, this, [this] { saveReportAs(this, m_screens); });
    connect(marking, &QAction::triggered, this, [this] {
        auto* dialog = new GroupMarking(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    connect(exit, &QAction::triggered, this, &Nachalo::openExitConfirmation);
    connect(steps, &QAction::triggered, this, [this] {
        m_screens.load<HodRascheta>(ScreenId::hodRascheta).placeBeside(frameGeometry());
        m_screens.menu("mnuSteps");
    });
    connect(parameters, &QAction::triggered, this, [this] { m_screens.menu("mnuParam"); });
}

void Nachalo::showTitle()
{
    // Qt puts the mark of unsaved work where "[*]" stands.
    setWindowTitle(qt(m_screens.session().title("[*]", true)));
    setWindowModified(m_document->isModified());
}

void Nachalo::openExitConfirmation()
{
    // Work the file does not hold is offered for saving instead of the
    // plain question.
    if (m_document->isModified()) {
        m_document->offerToSave(tr("Расчёт не сохранён. Сохранить его перед выходом?"), [this] { leaveProgram(); });
        return;
    }
    auto& confirmation = m_screens.load<Vihod>(ScreenId::vihod);
    connect(&confirmation, &Vihod::exitConfirmed, this, &Nachalo::leaveProgram, Qt::UniqueConnection);
    confirmation.present();
    m_screens.beep();
}

void Nachalo::leaveProgram()
{
    m_leaving = true;
    m_screens.unloadAll();
    close();
    emit exitConfirmed();
}

void Nachalo::closeEvent(QCloseEvent* event)
{
    // The frame's close button asks, like "Выход": the secondary screens stay
    // loaded, so closing only this window would leave the program running
    // with nothing on screen.
    if (m_leaving) {
        event->accept();
        return;
    }
    event->ignore();
    openExitConfirmation();
}

} // namespace gear::ui
