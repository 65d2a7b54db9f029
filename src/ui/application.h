// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/session.h"
#include "ui/nachalo.h"
#include "ui/screens.h"

#include <QCommandLineOption>

class QApplication;
class QCommandLineParser;

namespace gear::ui {

// The program's options, added to a parser in the language installed.
struct CommandLineOptions {
    QCommandLineOption help;
    QCommandLineOption version;
};

// Describes the program's command line — its purpose, --help, --version and
// the calculation file to open — in the language installTranslations()
// installed, so that --help speaks the language the program would.
CommandLineOptions describeCommandLine(QCommandLineParser& parser);

// The program's language (English on an English desktop, else Russian with
// Qt's own dialogs in Russian too), its pictures and its name; call once
// after the QApplication is made.
void setUpApplication(QApplication& app);

// One run of the program: the session of the core, the screens that show
// it and the main window, made in that order and gone in the reverse.
class Program final {
public:
    Program();

    Session& session() { return m_session; }
    const CalcState& state() const { return m_session.state(); }
    Screens& screens() { return m_screens; }
    Nachalo& mainWindow() { return m_main; }

private:
    Session m_session;
    Screens m_screens{m_session};
    Nachalo m_main{m_screens};
};

} // namespace gear::ui
