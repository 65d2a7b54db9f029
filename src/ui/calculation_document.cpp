// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculation_document.h"

#include "shell/number_text.h"
#include "shell/walkthrough_text.h"
#include "ui/atverd.h"
#include "ui/bnormal2.h"
#include "ui/czakalka2.h"
#include "ui/nastroyka.h"
#include "ui/number_display.h"
#include "ui/okon.h"
#include "ui/screen.h"
#include "ui/screens.h"
#include "ui/steel_grade.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"
#include "ui/trebov2.h"
#include "ui/vibor.h"
#include "ui/vvod.h"
#include "ui/vvod2.h"
#include "ui/vvod3.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

#include <array>

namespace gear::ui {

namespace {

// Puts what an Ok was given back on its screen.
void showGiven(Screens& screens, ScreenId id, const GivenInputs& given)
{
    const auto text = [&](size_t i) { return i < given.texts.size() ? qt(given.texts[i]) : QString(); };
    switch (id) {
    case ScreenId::ATverd: screens.load<ATverd>(id).showRow(given.choice); break;
    case ScreenId::trebov2: screens.load<Trebov2>(id).showOption(given.choice); break;
    case ScreenId::BNormal2: screens.load<BNormal2>(id).showOption(given.choice); break;
    case ScreenId::Czakalka2: screens.load<Czakalka2>(id).showOption(given.choice); break;
    case ScreenId::Vvod2: screens.load<Vvod2>(id).showInput(transmissionInputOf(given)); break;
    case ScreenId::Vibor: screens.load<Vibor>(id).showTaken(text(0), text(1)); break;
    case ScreenId::okon: screens.load<Okon>(id).showSteel(given.choice); break;
    case ScreenId::Vvod: screens.load<Vvod>(id).showInput(wheelInputOf(given)); break;
    case ScreenId::Vvod3: screens.load<Vvod3>(id).showInput(checkInputOf(given)); break;
    default:
        if (isSteelScreen(id))
            screens.load<SteelGrade>(id).showGrade(given.choice);
        break;
    }
}

// What the screen's Ok hands on to the screens after it.
void presetNext(Screens& screens, ScreenId id, const Outcome& outcome)
{
    switch (id) {
    case ScreenId::ATverd: screens.load<ATverd>(id).presetNext(outcome); break;
    case ScreenId::Vvod2: screens.load<Vvod2>(id).presetNext(outcome); break;
    case ScreenId::Vibor: screens.load<Vibor>(id).presetNext(outcome); break;
    case ScreenId::okon: screens.load<Okon>(id).presetNext(outcome); break;
    case ScreenId::Vvod: screens.load<Vvod>(id).presetNext(outcome); break;
    case ScreenId::Vvod3: screens.load<Vvod3>(id).presetNext(outcome); break;
    default: break;
    }
}

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

} // namespace

CalculationDocument::CalculationDocument(CalcState& state, Screens& screens, QWidget* window)
    : QObject(window), m_state(state), m_screens(screens), m_window(window), m_savedText(currentText())
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

QString CalculationDocument::currentText() const
{
    return qt(calculationText(calculationOf(m_state)));
}

void CalculationDocument::refresh()
{
    const bool modified = currentText() != m_savedText;
    if (modified != m_modified) {
        m_modified = modified;
        emit changed();
    }
}

void CalculationDocument::warn(const QString& text)
{
    m_screens.refuse(m_window, text);
}

bool CalculationDocument::open(const QString& path)
{
    // Only a regular file is read: a named pipe would hold the window until
    // something writes into it, a device such as /dev/zero never ends.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        warn(info.isDir()
                 ? tr("«%1» не открыт: это папка, а не файл.").arg(QDir::toNativeSeparators(path))
                 : tr("Файл «%1» не открыт: это не обычный файл, а канал, устройство или сокет.").arg(fileName(path)));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Файл «%1» не открыт: %2.").arg(fileName(path), file.errorString()));
        return false;
    }
    // One byte past the limit tells a file that is too large.
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxCalculationFileSize) + 1);
    if (file.error() != QFileDevice::NoError) {
        warn(tr("Файл «%1» не прочитан: %2.").arg(fileName(path), file.errorString()));
        return false;
    }
    const OpenedCalculation opened =
        openCalculation(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (opened.refused()) {
        warn(tr("Файл «%1» не открыт. %2").arg(fileName(path), translated(opened.refusal)));
        return false;
    }
    showOpened(opened.calculation);
    m_path = QFileInfo(path).absoluteFilePath();
    // A file of an older version holds other results than those shown: the
    // work is unsaved until the new ones are written.
    const bool renewed = !opened.notice.empty();
    m_savedText = renewed ? QString() : currentText();
    m_modified = renewed;
    emit changed();
    if (renewed) {
        auto* box =
            new QMessageBox(QMessageBox::Information, tr("Расчёт зубчатого колеса"),
                            qt(withDecimalSeparator(noticeText(opened.notice, coreTranslator()), decimalSeparator())),
                            QMessageBox::Ok, m_window);
        box->setObjectName(QStringLiteral("renewed"));
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    return true;
}

void CalculationDocument::showOpened(const Calculation& calculation)
{
    for (const ScreenId id : kInputScreens) {
        if (m_screens.isLoaded(id))
            showGiven(m_screens, id, {id == ScreenId::okon ? -1 : 0, {}});
    }
    // The file was checked on a state of its own; the same run on the
    // screens' state gives the same, and each screen gets what its Ok had.
    const std::vector<ScreenId> open = reopen(m_state, calculation, [&](const GivenStep& step, const Outcome& outcome) {
        showGiven(m_screens, step.screen, step.given);
        presetNext(m_screens, step.screen, outcome);
    });
    for (const ScreenId id : kChainScreens) {
        if (Screen* screen = m_screens.find(id))
            screen->hide();
    }
    for (const ScreenId id : open)
        m_screens.open(id);
    if (auto* parameters = static_cast<Nastroyka*>(m_screens.find(ScreenId::nastroyka)))
        parameters->showCurrent();
    m_screens.calculated();
}

bool CalculationDocument::saveAs(const QString& path)
{
    const SavedCalculation saved = saveCalculation(m_state);
    QSaveFile file(path);
    const auto size = static_cast<qint64>(saved.text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(saved.text.data(), size) != size || !file.commit()) {
        warn(tr("Расчёт не сохранён в файл «%1»: %2.").arg(fileName(path), file.errorString()));
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_savedText = currentText();
    m_modified = false;
    emit changed();
    if (!saved.recomputed.empty()) {
        QString modes;
        for (const Mode mode : saved.recomputed)
            modes += (modes.isEmpty() ? QString() : QStringLiteral(", ")) +
                     tr("«%1»").arg(translated("mode", modeTitle(mode)));
        auto* box =
            new QMessageBox(QMessageBox::Information, tr("Расчёт зубчатого колеса"),
                            tr("Расчёт сохранён. Результаты расчёта %1 в файле пересчитаны по данным его экранов и "
                               "отличаются от показанных: экраны нажимались не по порядку или коэффициенты менялись по "
                               "ходу расчёта. Откройте файл, чтобы увидеть расчёт таким, каким он записан.")
                                .arg(modes),
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
    // An unsaved calculation is proposed under the name of the mode worked
    // on last.
    const QString start = !m_path.isEmpty() ? m_path
                          : m_state.mode    ? translated("mode", modeTitle(*m_state.mode)) + QStringLiteral(".gear")
                                            : tr("Расчёт.gear");
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
