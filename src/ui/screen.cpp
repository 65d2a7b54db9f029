// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen.h"

#include "shell/number_text.h"
#include "ui/controls.h"
#include "ui/number_display.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QHideEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>

namespace gear::ui {

Screen::Screen(ScreenId id, Screens& screens, const QString& title) : m_id(id), m_screens(screens)
{
    setObjectName(qt(screenName(id)));
    setWindowTitle(title);
    setModal(false);
}

void Screen::present()
{
    // Some window managers place a window shown again by its frame rather
    // than its client area, so it would creep down by the title bar's height.
    if (m_leftAt && !isVisible())
        move(*m_leftAt);
    show();
    raise();
    activateWindow();
    focusFirstField();
}

void Screen::showEvent(QShowEvent* event)
{
    // A screen belongs to the main window: the window manager keeps it above
    // that window and on its desktop, so a click on the main window never
    // buries the screen the student works in. Its window exists by now and
    // is not yet on the screen.
    QWidget* main = m_screens.mainWindow();
    if (main && main != this && windowHandle()) {
        main->winId();
        windowHandle()->setTransientParent(main->windowHandle());
    }
    QDialog::showEvent(event);
}

void Screen::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        m_leftAt = pos();
    QDialog::hideEvent(event);
}

void Screen::focusFirstField()
{
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(this) &&
            isAncestorOf(widget)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

CalcState& Screen::state()
{
    return m_screens.state();
}

Screens& Screen::screens()
{
    return m_screens;
}

void Screen::follow(const Outcome& outcome)
{
    m_screens.calculated();
    if (outcome.refused()) {
        m_screens.refuse(this, qt(withDecimalSeparator(outcome.refusal.text(coreTranslator()), decimalSeparator())));
        return;
    }
    if (outcome.beep)
        m_screens.beep();
    if (outcome.next)
        m_screens.open(*outcome.next);
    if (outcome.leave)
        hide();
}

QPushButton* Screen::makeOkButton(const QString& caption)
{
    // Enter presses Ok, as on every dialog the student knows.
    QPushButton* ok = makeButton(this, "Command1", caption);
    ok->setDefault(true);
    return ok;
}

void Screen::layOut(QWidget* content, QPushButton* ok)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace gear::ui
