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
    // The calculation note written without a window: --report FILE.gear
    // -o NOTE.pdf|NOTE.odt, the title block's --author, --group, --variant.
    QCommandLineOption report;
    QCommandLineOption output;
    QCommandLineOption author;
    QCommandLineOption group;
    QCommandLineOption variant;
};

// Describes the program's command line — its purpose, --help, --version and
// the calculation file to open — in the language installTranslations()
// installed, so that --help speaks the language the program would.
CommandLineOptions describeCommandLine(QCommandLineParser& parser);

// Writes the note of the calculation file --report names into the file -o
// names, PDF or OpenDocument by its suffix, and says on standard error what
// could not be done. The exit status: 0 written; 1 the calculation file
// refused; 2 the command line, the file or the note could not be used.
int writeReportCommand(const QCommandLineParser& parser, const CommandLineOptions& options);

// The program's language (English on an English desktop, else Russian with
// Qt's own dialogs in Russian too), its pictures and its name; call once
// after the QApplication is made.
void setUpApplication(QApplication& app);

// The core's words in the language the program speaks when each is written.
Translator sessionTranslator();

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
