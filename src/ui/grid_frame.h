// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QGridLayout;
class QLabel;
class QRadioButton;

namespace gear::ui {

// A table of cells with a line around every cell, the way the course's
// reference tables are printed.
class GridFrame final : public QWidget {
    Q_OBJECT

public:
    explicit GridFrame(QWidget* parent);

    void addCell(QWidget* cell, int row, int column, int rowSpan = 1, int columnSpan = 1);
    // An option centred in its cell; the accessible name says what marking it means.
    QRadioButton* addOption(const char* name, const QString& accessibleName, int row, int column);
    QGridLayout* grid() const { return m_grid; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QGridLayout* m_grid;
};

// A centred caption of a table cell; with a width it wraps within it.
QLabel* tableCell(QWidget* parent, const char* name, const QString& text, int width = 0);

} // namespace gear::ui
