// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculation_document.h"

#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

namespace gear::ui {

namespace {

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

} // namespace

CalculationDocument::CalculationDocument(Screens& screens, QWidget* window)
    : QObject(window), m_screens(screens), m_window(window)
{
}

QString CalculationDocument::extension()
{
    return QStringLiteral("gear");
}

QString CalculationDocument::filter()
{
    return tr("Расчёты зубчатых колёс (*.gear);;Все файлы (*)");
}

void CalculationDocument::refresh()
{
    const bool modified = m_screens.session().modified();
    if (modified != m_modified) {
        m_modified = modified;
        emit changed();
    }
}

void CalculationDocument::warn(const QString& text)
{
    m_screens.refuse(m_window, text);
}

std::optional<QByteArray> CalculationDocument::read(const QString& path, QString& failure)
{
    // Only a regular file is read: a named pipe would hold the window until
    // something writes into it, a device such as /dev/zero never ends.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        failure =
            info.isDir()
                ? tr("«%1» не открыт: это папка, а не файл.").arg(QDir::toNativeSeparators(path))
                : tr("Файл «%1» не открыт: это не обычный файл, а канал, устройство или сокет.").arg(fileName(path));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failure = tr("Файл «%1» не открыт: %2.").arg(fileName(path), file.errorString());
        return std::nullopt;
    }
    // One byte past the limit tells a file that is too large.
    QByteArray bytes = file.read(static_cast<qint64>(kMaxCalculationFileSize) + 1);
    if (file.error() != QFileDevice::NoError) {
        failure = tr("Файл «%1» не прочитан: %2.").arg(fileName(path), file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool CalculationDocument::open(const QString& path)
{
    QString failure;
    const std::optional<QByteArray> bytes = read(path, failure);
    if (!bytes) {
        warn(failure);
        return false;
    }
    const Reply reply = m_screens.session().open(
        utf8(fileName(path)), std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
    m_screens.apply(reply, m_window);
    if (reply.refused())
        return false;
    m_path = QFileInfo(path).absoluteFilePath();
    // A file of an older version holds other results than those shown: the
    // work is unsaved until the new ones are written.
    m_modified = m_screens.session().modified();
    emit changed();
    return true;
}

bool CalculationDocument::saveAs(const QString& path)
{
    const FileToSave saved = m_screens.session().fileToSave();
    QSaveFile file(path);
    const auto size = static_cast<qint64>(saved.text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(saved.text.data(), size) != size || !file.commit()) {
        warn(tr("Расчёт не сохранён в файл «%1»: %2.").arg(fileName(path), file.errorString()));
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_screens.session().saved(utf8(fileName(path)));
    m_modified = false;
    emit changed();
    if (!saved.notice.empty()) {
        auto* box = new QMessageBox(QMessageBox::Information, tr("Расчёт зубчатого колеса"), qt(saved.notice),
                                    QMessageBox::Ok, m_window);
        box->setObjectName(QStringLiteral("recomputed"));
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    return true;
}

void CalculationDocument::chooseFileToOpen()
{
    auto* dialog = new QFileDialog(m_window, tr("Открыть расчёт"), QFileInfo(m_path).path(), filter());
    dialog->setObjectName(QStringLiteral("fileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) { open(path); });
    dialog->open();
}

void CalculationDocument::save(const std::function<void(bool)>& done)
{
    if (m_path.isEmpty()) {
        chooseFileToSaveIn(done);
        return;
    }
    const bool saved = saveAs(m_path);
    if (done)
        done(saved);
}

void CalculationDocument::chooseFileToSaveIn(const std::function<void(bool)>& done)
{
    const QString start = m_path.isEmpty() ? qt(m_screens.session().fileToSave().name) : m_path;
    auto* dialog = new QFileDialog(m_window, tr("Сохранить расчёт"), start, filter());
    dialog->setObjectName(QStringLiteral("fileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(extension());
    connect(dialog, &QDialog::finished, this, [this, dialog, done](int answer) {
        const QStringList chosen = dialog->selectedFiles();
        const bool saved = answer == QDialog::Accepted && !chosen.isEmpty() && saveAs(chosen.front());
        if (done)
            done(saved);
    });
    dialog->open();
}

void CalculationDocument::offerToSave(const QString& question, const std::function<void()>& proceed)
{
    if (!m_modified) {
        proceed();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Question, tr("Расчёт зубчатого колеса"), question,
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window);
    box->setObjectName(QStringLiteral("saveChanges"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->button(QMessageBox::Save)->setText(tr("Сохранить"));
    box->button(QMessageBox::Discard)->setText(tr("Не сохранять"));
    box->button(QMessageBox::Cancel)->setText(tr("Отмена"));
    box->setDefaultButton(QMessageBox::Save);
    connect(box, &QMessageBox::finished, this, [this, box, proceed](int) {
        const QMessageBox::StandardButton answer = box->standardButton(box->clickedButton());
        if (answer == QMessageBox::Discard)
            proceed();
        else if (answer == QMessageBox::Save)
            save([proceed](bool saved) {
                if (saved)
                    proceed();
            });
    });
    box->open();
}

} // namespace gear::ui
