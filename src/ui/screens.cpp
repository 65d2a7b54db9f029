// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screens.h"

#include "ui/atverd.h"
#include "ui/controls.h"
#include "ui/drawing_view.h"
#include "ui/hod_rascheta.h"
#include "ui/info.h"
#include "ui/input_screen.h"
#include "ui/nastroyka.h"
#include "ui/okon.h"
#include "ui/okonchanie.h"
#include "ui/option_group.h"
#include "ui/option_screen.h"
#include "ui/oshibka1.h"
#include "ui/result.h"
#include "ui/screen.h"
#include "ui/text_conversion.h"
#include "ui/vibor.h"
#include "ui/vihod.h"
#include "ui/vivod4.h"
#include "ui/wheel_sketch_screen.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

namespace gear::ui {

namespace {

// Writes a text into a control the way a student would see it there.
void writeText(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* field = qobject_cast<QLineEdit*>(control))
        field->setText(text);
    else if (auto* list = qobject_cast<QComboBox*>(control))
        showComboText(list, text);
}

} // namespace

Screens::Screens(Session& session) : m_session(session)
{
}

Screens::~Screens() = default;

Screen& Screens::load(ScreenId id)
{
    auto& slot = m_screens[static_cast<size_t>(id)];
    if (!slot)
        slot = create(id);
    return *slot;
}

Screen* Screens::find(ScreenId id) const
{
    return m_screens[static_cast<size_t>(id)].get();
}

void Screens::open(ScreenId id)
{
    load(id).present();
}

void Screens::menu(std::string_view command)
{
    apply(m_session.menu(command));
}

void Screens::ok(ScreenId screen, const GivenInputs& given)
{
    apply(m_session.ok(screen, given));
}

void Screens::preview(ScreenId screen, const GivenInputs& given)
{
    apply(m_session.preview(screen, given));
}

void Screens::showDrawing()
{
    apply(m_session.showDrawing());
}

void Screens::apply(const Reply& reply, QWidget* over)
{
    for (const ControlText& t : reply.texts) {
        QWidget* control = load(t.screen).control(t.control);
        writeText(control, qt(t.text));
        // A warning reads in red; the other notes in the screen's own colour.
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setStyleSheet(t.warning ? QStringLiteral("color: #b00000;") : QString());
    }
    for (const ItemText& item : reply.items) {
        if (auto* list = qobject_cast<QComboBox*>(load(item.screen).control(item.control)))
            list->setItemText(item.index, qt(item.text));
    }
    for (const OptionMarked& m : reply.marked)
        markOption(load(m.screen).options(), m.option);
    for (const ItemChosen& c : reply.chosen) {
        if (auto* list = qobject_cast<QComboBox*>(load(c.screen).control(c.control)))
            list->setCurrentIndex(c.index);
    }
    for (const ControlShown& s : reply.shown) {
        if (QWidget* control = load(s.screen).control(s.control))
            control->setVisible(s.shown);
    }
    for (const Picture& p : reply.pictures) {
        if (auto* view = qobject_cast<DrawingView*>(load(p.screen).control(p.control))) {
            view->setBuilder([this, screen = p.screen, control = p.control](const DrawingTarget& target) {
                return m_session.drawing(screen, control, target).value_or(Drawing{});
            });
        }
    }
    // A screen whose pictures changed takes their size.
    for (const ControlShown& s : reply.shown)
        load(s.screen).adjustSize();
    if (reply.calculated)
        calculated();
    QWidget* beside = reply.messageScreen ? &load(*reply.messageScreen) : over;
    // A refusal changes no screen; a notice is read once the screens stand.
    if (reply.refused()) {
        refuse(beside, qt(reply.message), qt(reply.messageField));
        return;
    }
    if (reply.beep)
        beep();
    for (const ScreenShown& s : reply.screens) {
        if (s.shown)
            open(s.screen);
        else if (Screen* screen = find(s.screen))
            screen->hide();
    }
    if (!reply.message.empty())
        tell(beside, qt(reply.message));
}

void Screens::unloadAll()
{
    // The exit may be confirmed from a screen's own button, so each screen
    // goes once its handler has returned.
    for (auto& slot : m_screens) {
        if (slot) {
            slot->hide();
            slot.release()->deleteLater();
        }
    }
}

void Screens::calculated()
{
    if (auto* walkthrough = static_cast<HodRascheta*>(find(ScreenId::hodRascheta)))
        walkthrough->refresh();
    if (m_calculated)
        m_calculated();
}

void Screens::beep()
{
    ++m_beeps;
    QApplication::beep();
}

void Screens::refuse(QWidget* over, const QString& why, const QString& field)
{
    auto* box = new QMessageBox(QMessageBox::Warning,
                                QCoreApplication::translate("gear::ui::Screens", "Расчёт зубчатого колеса"), why,
                                QMessageBox::Ok, over);
    box->setObjectName(QStringLiteral("refusal"));
    // A refusal may quote a file or what was typed: shown as it is, never
    // as markup that Qt guesses from a "<".
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (QWidget* target = field.isEmpty() || !over ? nullptr : over->findChild<QWidget*>(field)) {
        QObject::connect(box, &QDialog::finished, target, [target] {
            target->setFocus(Qt::OtherFocusReason);
            if (auto* line = qobject_cast<QLineEdit*>(target))
                line->selectAll();
            else if (auto* list = qobject_cast<QComboBox*>(target); list && list->lineEdit())
                list->lineEdit()->selectAll();
        });
    }
    beep();
    box->open();
}

void Screens::tell(QWidget* over, const QString& what)
{
    auto* box = new QMessageBox(QMessageBox::Information,
                                QCoreApplication::translate("gear::ui::Screens", "Расчёт зубчатого колеса"), what,
                                QMessageBox::Ok, over);
    box->setObjectName(QStringLiteral("notice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->open();
}

std::unique_ptr<Screen> Screens::create(ScreenId id)
{
    switch (screenEntry(id).layout) {
    case ScreenLayout::HardnessTable: return std::make_unique<ATverd>(*this);
    case ScreenLayout::TreatmentTable:
    case ScreenLayout::OptionColumns: return std::make_unique<OptionScreen>(id, *this);
    case ScreenLayout::Prompts:
    case ScreenLayout::PromptGrid: return std::make_unique<InputScreen>(id, *this);
    case ScreenLayout::ModuleChoice: return std::make_unique<Vibor>(*this);
    case ScreenLayout::SteelList: return std::make_unique<Okon>(*this);
    case ScreenLayout::PairResults: return std::make_unique<Okonchanie>(*this);
    case ScreenLayout::Load: return std::make_unique<Result>(*this);
    case ScreenLayout::Sketch: return std::make_unique<WheelSketchScreen>(id, *this);
    case ScreenLayout::PairDrawing: return std::make_unique<Vivod4>(*this);
    case ScreenLayout::Message: return std::make_unique<Oshibka1>(*this);
    case ScreenLayout::About: return std::make_unique<Info>(*this);
    case ScreenLayout::Parameters: return std::make_unique<Nastroyka>(*this);
    case ScreenLayout::Walkthrough: return std::make_unique<HodRascheta>(*this);
    case ScreenLayout::ExitQuestion: return std::make_unique<Vihod>(*this);
    }
    return nullptr;
}

} // namespace gear::ui
