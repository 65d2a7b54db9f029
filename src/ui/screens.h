// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
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

// Owns every secondary screen. A screen is made on first use — also when
// another screen first needs to write into it — and lives until the
// confirmed exit; nothing else destroys it.
class Screens final {
public:
    explicit Screens(CalcState& state);
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    CalcState& state() { return m_state; }

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

    // The confirmed exit: every screen goes, in the order of their names.
    void unloadAll();

    // An Ok has run: the walkthrough, if open, follows it, and so does
    // whoever asked to be told.
    void calculated();
    void setCalculatedHandler(std::function<void()> handler) { m_calculated = std::move(handler); }

    void beep();
    int beepCount() const { return m_beeps; }

    // Says in a message box, with the beep, why an Ok did nothing.
    void refuse(QWidget* over, const QString& why);

    // Who the reports of this session are by, once asked.
    std::optional<ReportAuthor>& reportAuthor() { return m_reportAuthor; }

private:
    std::unique_ptr<Screen> create(ScreenId id);

    CalcState& m_state;
    QPointer<QWidget> m_mainWindow;
    std::array<std::unique_ptr<Screen>, kScreenCount> m_screens;
    int m_beeps = 0;
    std::function<void()> m_calculated;
    std::optional<ReportAuthor> m_reportAuthor;
};

} // namespace gear::ui
