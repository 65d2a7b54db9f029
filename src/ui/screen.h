// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/screen_id.h"

#include <QDialog>

#include <optional>

class QPushButton;

namespace gear::ui {

class Screens;

// One small window of a chain. It is made once, shown modeless, and hidden
// when left — by its own button, by the frame's close button or by Esc — so
// it keeps what was typed or chosen on it until the confirmed exit.
class Screen : public QDialog {
    Q_OBJECT

public:
    Screen(ScreenId id, Screens& screens, const QString& title);

    ScreenId id() const { return m_id; }

    // Makes the screen visible where the student left it, brings it to the
    // front and puts the focus on its first field.
    void present();

protected:
    CalcState& state();
    Screens& screens();

    // Carries out what an Ok decided: a refusal is said in a message box with
    // the beep and changes nothing; otherwise the beep, the next screen and
    // the closing of this one, in that order.
    void follow(const Outcome& outcome);

    // The Ok button of every screen is Command1; Enter presses it.
    QPushButton* makeOkButton(const QString& caption = QStringLiteral("Ok"));

    // A table or form above its Ok button, the screen as small as they allow.
    void layOut(QWidget* content, QPushButton* ok);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void focusFirstField();

    ScreenId m_id;
    Screens& m_screens;
    std::optional<QPoint> m_leftAt; // where the screen stood when it was last hidden
};

} // namespace gear::ui
