// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/application.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QMessageBox;

#include <ostream>

// Failures name a text as text, not as its bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace gear::test {

// Drives the program the way a student does, finding every window and control
// by its established name.
class Driver {
public:
    Driver();
    ~Driver();

    ui::Program& program() { return *m_program; }
    const CalcState& state() const { return m_program->state(); }

    // A loaded screen, or nullptr.
    QWidget* screen(const char* name) const;
    bool isVisible(const char* screenName) const;

    void menu(const char* action);
    // The course's carburised pair up to its design input, as a student
    // picks it: "Передача", "Цементация" on both screens, "Сталь 18ХГТ".
    void toCarburisedDesign();
    // On from there to the results table: Z1 = 20, T1 = 100 N·m, U = 4.0
    // from the list, Enter; module 2.5; steel row 21, "Сталь 18ХГТ".
    void toHardenedResults();
    // Types a spur wheel of these teeth and tip diameter on a 30 mm shaft,
    // bw = 20, a hub 40 mm long, into the wheel input; no Ok.
    void typeWheel(const char* teeth, const char* tip);
    // A wheel of 40 teeth typed so, with this tip diameter and module taken.
    void sizeWheel(const char* tip, const char* module);
    void click(const char* screenName, const char* button);
    // Types over a field's or an editable list's text with key events.
    void type(const char* screenName, const char* field, const QString& text);
    // Enter on the screen's focused field, as a student ends typing.
    void pressEnter(const char* screenName);
    // The objectNames the focus passes through with Tab, from where it is.
    QStringList tabOrder(const char* screenName, int presses);
    void choose(const char* screenName, const char* option);
    void chooseItem(const char* screenName, const char* combo, int index);
    // Enter in a field: the screen's Ok.
    void pressEnter(const char* screenName, const char* field);
    QString caption(const char* screenName, const char* label) const;
    QString text(const char* screenName, const char* field) const;
    QStringList items(const char* screenName, const char* combo) const;

    // The refusal on screen, if any; answering it closes it (a question is
    // cancelled).
    QMessageBox* refusal() const;
    QString answerRefusal();

    int beeps() const;

    template <class T>
    T* control(const char* screenName, const char* name) const
    {
        QWidget* owner = screen(screenName);
        return owner ? owner->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }

private:
    std::unique_ptr<ui::Program> m_program;
};

} // namespace gear::test
