// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen_catalogue.h"
#include "shell/calc_state.h"
#include "shell/screen_id.h"

#include <QDialog>

#include <optional>
#include <vector>

class QPushButton;
class QRadioButton;
class QHBoxLayout;

namespace gear::ui {

class Screens;

// One small window of a chain, built from its entry of the catalogue. It is
// made once, shown modeless, and hidden when left — by its own button, by
// the frame's close button or by Esc — so it keeps what was typed or chosen
// on it until the confirmed exit. Its Ok hands what is typed and chosen on
// it to the session; the reply, not the screen, decides what follows.
class Screen : public QDialog {
    Q_OBJECT

public:
    Screen(ScreenId id, Screens& screens);

    ScreenId id() const { return m_id; }
    const ScreenEntry& entry() const { return screenEntry(m_id); }

    // Makes the screen visible where the student left it, brings it to the
    // front and puts the focus on its first field.
    void present();

    // A control of the screen by its name, or nullptr.
    QWidget* control(std::string_view name) const;
    // The screen's options, in the catalogue's order.
    std::vector<QRadioButton*> options() const;

protected:
    const CalcState& state() const;
    Screens& screens();

    // What the screen's fields and options hold, as its Ok reads them.
    GivenInputs given() const;
    // Ok: the session runs the screen's Ok on what it holds.
    void runOk();
    // What the session says of what the screen holds before its Ok.
    void runPreview();

    // The screen's buttons from the catalogue, each doing what it says.
    std::vector<QPushButton*> makeButtons();
    // Those buttons in a row, centred, or after a stretch at each end.
    QHBoxLayout* buttonRow(const std::vector<QPushButton*>& buttons);

    // What a drawing screen saves; the others save none.
    virtual void saveDrawing() {}

    // A table or form above its Ok button, the screen as small as they allow.
    void layOut(QWidget* content, QPushButton* ok);

    // A text of the catalogue in the program's language.
    static QString text(CoreText source);
    // The caption the catalogue gives a control of this screen.
    QString caption(std::string_view control) const;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void focusFirstField();

    ScreenId m_id;
    Screens& m_screens;
    std::optional<QPoint> m_leftAt; // where the screen stood when it was last hidden
};

} // namespace gear::ui
