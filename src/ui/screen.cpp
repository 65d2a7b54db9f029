// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen.h"

#include "ui/controls.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>

namespace gear::ui {

Screen::Screen(ScreenId id, Screens& screens) : m_id(id), m_screens(screens)
{
    setObjectName(qt(screenName(id)));
    setWindowTitle(qt(screenTitle(id, coreTranslator())));
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

QWidget* Screen::control(std::string_view name) const
{
    return findChild<QWidget*>(qt(name));
}

std::vector<QRadioButton*> Screen::options() const
{
    std::vector<QRadioButton*> found;
    for (const OptionInput& option : entry().options)
        found.push_back(findChild<QRadioButton*>(qt(option.control)));
    return found;
}

const CalcState& Screen::state() const
{
    return m_screens.state();
}

Screens& Screen::screens()
{
    return m_screens;
}

GivenInputs Screen::given() const
{
    GivenInputs given;
    for (const TextInput& input : entry().texts) {
        QWidget* field = control(input.control);
        if (auto* line = qobject_cast<QLineEdit*>(field))
            given.texts.push_back(utf8(line->text()));
        else if (auto* list = qobject_cast<QComboBox*>(field))
            given.texts.push_back(utf8(list->currentText()));
        else
            given.texts.emplace_back();
    }
    if (!entry().listControl.empty()) {
        if (auto* list = qobject_cast<QComboBox*>(control(entry().listControl)))
            given.choice = list->currentIndex();
    } else {
        const std::vector<QRadioButton*> marks = options();
        for (size_t i = 0; i < marks.size(); ++i) {
            if (marks[i] && marks[i]->isChecked())
                given.choice = static_cast<int>(i) + 1;
        }
    }
    return given;
}

void Screen::runOk()
{
    m_screens.ok(m_id, given());
}

void Screen::runPreview()
{
    m_screens.preview(m_id, given());
}

std::vector<QPushButton*> Screen::makeButtons()
{
    std::vector<QPushButton*> made;
    for (const Button& button : entry().buttons) {
        const std::string name(button.control);
        QPushButton* pushed = makeButton(this, name.c_str(), text(button.caption));
        switch (button.action) {
        case ButtonAction::Ok: connect(pushed, &QPushButton::clicked, this, &Screen::runOk); break;
        case ButtonAction::Close: connect(pushed, &QPushButton::clicked, this, &QWidget::hide); break;
        case ButtonAction::ShowDrawing:
            connect(pushed, &QPushButton::clicked, this, [this] { m_screens.showDrawing(); });
            break;
        case ButtonAction::SaveDrawing: connect(pushed, &QPushButton::clicked, this, &Screen::saveDrawing); break;
        // The screen that has them connects them itself.
        case ButtonAction::Yes:
        case ButtonAction::Copy:
        case ButtonAction::Print:
        case ButtonAction::SelfCheck:
        case ButtonAction::CheckSelf:
        case ButtonAction::ImportSelfCheck: break;
        }
        made.push_back(pushed);
    }
    // Enter presses the first button that answers the screen, as on every
    // dialog the student knows: its Ok, or the one that leaves it.
    for (size_t i = 0; i < made.size(); ++i) {
        const ButtonAction action = entry().buttons[i].action;
        if (action == ButtonAction::Ok || action == ButtonAction::Close || action == ButtonAction::Yes) {
            made[i]->setDefault(true);
            break;
        }
    }
    return made;
}

QHBoxLayout* Screen::buttonRow(const std::vector<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

void Screen::layOut(QWidget* content, QPushButton* ok)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString Screen::text(CoreText source)
{
    return qt(translated(coreTranslator(), source));
}

QString Screen::caption(std::string_view control) const
{
    for (const Caption& c : entry().captions) {
        if (c.control == control)
            return text(c.text);
    }
    for (const TableCell& cell : entry().cells) {
        if (cell.control == control)
            return text(cell.text);
    }
    return {};
}

} // namespace gear::ui
