// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "file/calculation_file.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace gear::ui {

class Screens;

// The calculation on the screens as a file: which file it is, whether the
// screens hold work the file does not, opening one and saving into one.
class CalculationDocument final : public QObject {
    Q_OBJECT

public:
    CalculationDocument(Screens& screens, QWidget* window);

    // The file the work came from or went to last; empty before the first.
    const QString& path() const { return m_path; }
    // The screens hold an Ok the file does not.
    bool isModified() const { return m_modified; }

    // Reads, checks and shows a calculation file; a file that cannot be
    // used is refused in a message box and the work on screen stays as it
    // was. True when it opened.
    bool open(const QString& path);
    // A calculation file's bytes, up to one past the largest a calculation
    // may be; nothing, with the reason in `failure`, when it cannot be read.
    static std::optional<QByteArray> read(const QString& path, QString& failure);
    // Saves into the file given, atomically; a failure is said in a message
    // box and leaves the work marked unsaved. True when it saved.
    bool saveAs(const QString& path);

    // The standard dialogs, then the above. `done` is called with true once
    // the work is in a file, with false when the student cancelled or the
    // save failed.
    void chooseFileToOpen();
    void save(const std::function<void(bool)>& done = {});
    void chooseFileToSaveIn(const std::function<void(bool)>& done = {});

    // Asks whether to save the work first, when there is unsaved work;
    // `proceed` runs unless the student cancels or the save fails.
    void offerToSave(const QString& question, const std::function<void()>& proceed);

    // An Ok has run or the coefficients changed: the mark follows.
    void refresh();

    // The file's extension and the dialogs' filter.
    static QString extension();
    static QString filter();

signals:
    // The file or the mark changed: the title follows.
    void changed();

private:
    void warn(const QString& text);

    Screens& m_screens;
    QWidget* m_window;
    QString m_path;
    bool m_modified = false;
};

} // namespace gear::ui
