#include "ui/screens.h"

#include "ui/okon.h"
#include "ui/screen.h"
#include "ui/shell_screens.h"
#include "ui/vibor.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QMessageBox>

namespace gear::ui {

Screens::Screens(CalcState& state) : m_state(state) {}

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

void Screens::beep()
{
    ++m_beeps;
    QApplication::beep();
}

void Screens::refuse(QWidget* over, const QString& why)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Расчёт зубчатого колеса"), why,
                                QMessageBox::Ok, over);
    box->setObjectName(QStringLiteral("refusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    beep();
    box->open();
}

std::unique_ptr<Screen> Screens::create(ScreenId id)
{
    switch (id) {
    case ScreenId::vihod:
        return std::make_unique<Vihod>(*this);
    case ScreenId::info:
        return std::make_unique<Info>(*this);
    case ScreenId::nastroyka:
        return std::make_unique<Nastroyka>(*this);
    case ScreenId::Vibor:
        return std::make_unique<Vibor>(*this);
    case ScreenId::okon:
        return std::make_unique<Okon>(*this);
    default:
        break;
    }
    // Screens still to be built show their name and nothing else.
    return std::make_unique<Screen>(id, *this, qt(screenName(id)));
}

} // namespace gear::ui
