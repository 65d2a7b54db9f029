// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screens.h"

#include "ui/atverd.h"
#include "ui/bnormal2.h"
#include "ui/czakalka2.h"
#include "ui/hod_rascheta.h"
#include "ui/info.h"
#include "ui/nastroyka.h"
#include "ui/okon.h"
#include "ui/okonchanie.h"
#include "ui/oshibka1.h"
#include "ui/result.h"
#include "ui/screen.h"
#include "ui/steel_grade.h"
#include "ui/trebov2.h"
#include "ui/vibor.h"
#include "ui/vihod.h"
#include "ui/vivod4.h"
#include "ui/vvod.h"
#include "ui/vvod2.h"
#include "ui/vvod3.h"
#include "ui/wheel_sketch_screen.h"

#include <QApplication>
#include <QMessageBox>

namespace gear::ui {

Screens::Screens(CalcState& state) : m_state(state)
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

void Screens::refuse(QWidget* over, const QString& why)
{
    auto* box = new QMessageBox(QMessageBox::Warning,
                                QCoreApplication::translate("gear::ui::Screens", "Расчёт зубчатого колеса"), why,
                                QMessageBox::Ok, over);
    box->setObjectName(QStringLiteral("refusal"));
    // A refusal may quote a file or what was typed: shown as it is, never
    // as markup that Qt guesses from a "<".
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    beep();
    box->open();
}

std::unique_ptr<Screen> Screens::create(ScreenId id)
{
    switch (id) {
    case ScreenId::ATverd: return std::make_unique<ATverd>(*this);
    case ScreenId::BNormal2: return std::make_unique<BNormal2>(*this);
    case ScreenId::Czakalka2: return std::make_unique<Czakalka2>(*this);
    case ScreenId::hodRascheta: return std::make_unique<HodRascheta>(*this);
    case ScreenId::info: return std::make_unique<Info>(*this);
    case ScreenId::nastroyka: return std::make_unique<Nastroyka>(*this);
    case ScreenId::okon: return std::make_unique<Okon>(*this);
    case ScreenId::okonchanie: return std::make_unique<Okonchanie>(*this);
    case ScreenId::oshibka1: return std::make_unique<Oshibka1>(*this);
    case ScreenId::result: return std::make_unique<Result>(*this);
    case ScreenId::stal1:
    case ScreenId::stal2:
    case ScreenId::stal3:
    case ScreenId::stal4:
    case ScreenId::stal5: return std::make_unique<SteelGrade>(id, *this);
    case ScreenId::trebov2: return std::make_unique<Trebov2>(*this);
    case ScreenId::Vibor: return std::make_unique<Vibor>(*this);
    case ScreenId::vihod: return std::make_unique<Vihod>(*this);
    case ScreenId::vivod1:
    case ScreenId::vivod2:
    case ScreenId::vivod3: return std::make_unique<WheelSketchScreen>(id, *this);
    case ScreenId::vivod4: return std::make_unique<Vivod4>(*this);
    case ScreenId::Vvod: return std::make_unique<Vvod>(*this);
    case ScreenId::Vvod2: return std::make_unique<Vvod2>(*this);
    case ScreenId::Vvod3: return std::make_unique<Vvod3>(*this);
    }
    return nullptr;
}

} // namespace gear::ui
