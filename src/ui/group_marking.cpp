// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/group_marking.h"

#include "file/calculation_file.h"
#include "file/grading.h"
#include "ui/controls.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace gear::ui {

namespace {

QString statusText(MarkStatus status)
{
    switch (status) {
    case MarkStatus::Marked: return GroupMarking::tr("проверена");
    case MarkStatus::HandEdited: return GroupMarking::tr("результаты исправлены вручную");
    case MarkStatus::Refused: return GroupMarking::tr("файл не открывается");
    case MarkStatus::NoVariant: return GroupMarking::tr("нет варианта");
    case MarkStatus::UnknownVariant: return GroupMarking::tr("варианта нет в списке");
    }
    return {};
}

// A file of the folder, at most the size a calculation file may have and a
// byte more, so that the core refuses a larger one itself.
std::string readUpTo(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(limit + 1).toStdString();
}

} // namespace

GroupMarking::GroupMarking(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("groupMarking"));
    setWindowTitle(tr("Проверка работ группы"));
    m_list = makeTextField(this, "Text1");
    m_folder = makeTextField(this, "Text2");
    QLabel* listCaption = makeLabel(this, "Label1", tr("Список вариантов (CSV):"));
    QLabel* folderCaption = makeLabel(this, "Label2", tr("Папка с файлами работ (.gear):"));
    nameField(listCaption, m_list);
    nameField(folderCaption, m_folder);
    QPushButton* listButton = makeButton(this, "Command2", tr("Выбрать…"));
    QPushButton* folderButton = makeButton(this, "Command3", tr("Выбрать…"));
    QPushButton* markButton = makeButton(this, "Command1", tr("Проверить"));
    markButton->setDefault(true);
    m_save = makeButton(this, "Command4", tr("Сохранить CSV…"));
    m_save->setEnabled(false);
    QPushButton* close = makeButton(this, "Command5", tr("Закрыть"));

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("Grid1"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_summary = new QPlainTextEdit(this);
    m_summary->setObjectName(QStringLiteral("Text3"));
    m_summary->setReadOnly(true);
    m_summary->setMaximumHeight(110);

    auto* chosen = new QGridLayout;
    chosen->addWidget(listCaption, 0, 0);
    chosen->addWidget(m_list, 0, 1);
    chosen->addWidget(listButton, 0, 2);
    chosen->addWidget(folderCaption, 1, 0);
    chosen->addWidget(m_folder, 1, 1);
    chosen->addWidget(folderButton, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(markButton);
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chosen);
    layout->addWidget(m_table, 1);
    layout->addWidget(makeLabel(this, "Label3", tr("Чаще всего неверно:")));
    layout->addWidget(m_summary);
    layout->addLayout(buttons);
    resize(900, 560);

    connect(listButton, &QPushButton::clicked, this, &GroupMarking::chooseList);
    connect(folderButton, &QPushButton::clicked, this, &GroupMarking::chooseFolder);
    connect(markButton, &QPushButton::clicked, this, &GroupMarking::mark);
    connect(m_save, &QPushButton::clicked, this, &GroupMarking::saveTable);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void GroupMarking::chooseList()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Список вариантов"), m_list->text(), tr("Список вариантов (*.csv)"));
    if (!path.isEmpty())
        m_list->setText(path);
}

void GroupMarking::chooseFolder()
{
    const QString path = QFileDialog::getExistingDirectory(this, tr("Папка с файлами работ"), m_folder->text());
    if (!path.isEmpty())
        m_folder->setText(path);
}

void GroupMarking::mark()
{
    const QFileInfo list(m_list->text());
    const QDir folder(m_folder->text());
    if (!list.isFile() || !folder.exists() || m_folder->text().isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("Выберите файл списка вариантов и папку с файлами работ."));
        return;
    }
    std::vector<StudentFile> files;
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.gear")}, QDir::Files, QDir::Name))
        files.push_back({utf8(file.fileName()), readUpTo(file.filePath(), qint64(kMaxCalculationFileSize))});
    const GroupMarks marks = markGroup(readUpTo(list.filePath(), qint64(kMaxVariantListSize)), files);
    if (!marks.fatal.empty()) {
        QMessageBox::warning(this, windowTitle(), qt(marks.fatal));
        return;
    }
    const QStringList heads{tr("Файл"),
                            tr("Вариант"),
                            tr("Состояние"),
                            tr("Оценка, %"),
                            tr("Строк верно"),
                            tr("Ключевые результаты верно"),
                            tr("Самопроверка верно"),
                            tr("Первая ошибка"),
                            tr("Примечание")};
    m_table->clear();
    m_table->setColumnCount(int(heads.size()));
    m_table->setHorizontalHeaderLabels(heads);
    m_table->setRowCount(int(marks.students.size()));
    for (int row = 0; row < int(marks.students.size()); ++row) {
        const StudentMark& mark = marks.students[size_t(row)];
        const bool marked = mark.status == MarkStatus::Marked;
        int keysRight = 0;
        int keysGiven = 0;
        for (const KeyResult& key : mark.keys) {
            keysGiven += key.given ? 1 : 0;
            keysRight += key.right ? 1 : 0;
        }
        const auto outOf = [&](int right, int of) { return marked ? tr("%1 из %2").arg(right).arg(of) : QString(); };
        const QStringList cells{qt(mark.file),
                                qt(mark.variant),
                                statusText(mark.status),
                                marked ? QString::number(mark.mark) : QString(),
                                outOf(mark.linesRight, mark.lines),
                                outOf(keysRight, keysGiven),
                                outOf(mark.selfCheckRight, mark.selfCheckGiven),
                                qt(mark.firstWrong),
                                qt(mark.why.text(coreTranslator()))};
        for (int column = 0; column < int(cells.size()); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->resizeColumnsToContents();
    QString summary = qt(stepSummaryText(marks, coreTranslator()));
    for (const VariantError& error : marks.listRows)
        summary += tr("Строка %1 списка: %2").arg(error.line).arg(qt(error.message)) + QLatin1Char('\n');
    m_summary->setPlainText(summary);
    m_csv = qt(marksCsv(marks));
    m_save->setEnabled(true);
}

void GroupMarking::saveTable()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Сохранить оценки"), QStringLiteral("marks.csv"),
                                                      tr("Таблица CSV (*.csv)"));
    if (path.isEmpty())
        return;
    // Written whole or not at all.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_csv.toUtf8()) < 0 || !file.commit())
        QMessageBox::warning(this, windowTitle(), tr("Не удаётся записать %1: %2").arg(path, file.errorString()));
}

} // namespace gear::ui
