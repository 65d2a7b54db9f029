// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace gear::ui {

// «Файл → Проверить работы группы…»: the lecturer's list of variants and a
// folder of the group's calculation files, marked by the core's marking,
// shown as a table with the steps gone wrong most often, and saved as CSV.
class GroupMarking final : public QDialog {
    Q_OBJECT

public:
    explicit GroupMarking(QWidget* parent);

    // Marks the files of the folder against the list, as «Проверить» does.
    void mark();

private:
    void chooseList();
    void chooseFolder();
    void saveTable();

    QLineEdit* m_list;
    QLineEdit* m_folder;
    QTableWidget* m_table;
    QPlainTextEdit* m_summary;
    QPushButton* m_save;
    QString m_csv; // the table as the core writes it
};

} // namespace gear::ui
