// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/session.h"
#include "shell/screen_id.h"
#include "ui/report.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace gear::ui {

class Screen;

// Owns every secondary screen and carries out what the session answers. A
// screen is made on first use — also when a reply first writes into it —
// and lives until the confirmed exit; nothing else destroys it.
class Screens final {
public:
    explicit Screens(Session& session);
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    Session& session() { return m_session; }
    const CalcState& state() const { return m_session.state(); }

    // The main window every screen stays with: above it, on its desktop.
    void setMainWindow(QWidget* window) { m_mainWindow = window; }
    QWidget* mainWindow() const { return m_mainWindow; }

    Screen& load(ScreenId id);
    template <class T>
    T& load(ScreenId id)
    {
        return static_cast<T&>(load(id));
    }
    Screen* find(ScreenId id) const;
    bool isLoaded(ScreenId id) const { return find(id) != nullptr; }

    // Loads the screen and shows it modeless.
    void open(ScreenId id);

    // A menu command and a screen's Ok through the session, and what it
    // answers carried out.
    void menu(std::string_view command);
    void ok(ScreenId screen, const GivenInputs& given);
    void showDrawing();
    // What the screen says of what is typed or chosen on it before its Ok.
    void preview(ScreenId screen, const GivenInputs& given);

    // Carries out a reply: the controls written, the message said, the beep,
    // the screens shown and hidden, in that order. `over` is the window a
    // message of no screen stands over.
    void apply(const Reply& reply, QWidget* over = nullptr);

    // The confirmed exit: every screen goes, in the order of their names.
    void unloadAll();

    // The calculation changed: the walkthrough, if open, follows it, and so
    // does whoever asked to be told.
    void calculated();
    void setCalculatedHandler(std::function<void()> handler) { m_calculated = std::move(handler); }

    void beep();
    int beepCount() const { return m_beeps; }

    // Says in a message box, with the beep, why something was not done; once
    // it is read, the field of `over` named `field` (if any) takes the focus
    // with its text selected, to be corrected.
    void refuse(QWidget* over, const QString& why, const QString& field = {});
    // Says in a message box what the student is to know of what was done.
    void tell(QWidget* over, const QString& what);

    // Who the reports of this session are by, once asked.
    std::optional<ReportAuthor>& reportAuthor() { return m_reportAuthor; }

private:
    std::unique_ptr<Screen> create(ScreenId id);

    Session& m_session;
    QPointer<QWidget> m_mainWindow;
    std::array<std::unique_ptr<Screen>, kScreenCount> m_screens;
    int m_beeps = 0;
    std::function<void()> m_calculated;
    std::optional<ReportAuthor> m_reportAuthor;
};

} // namespace gear::ui
