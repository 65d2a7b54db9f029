// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid_frame.h"

#include "ui/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

namespace gear::ui {

GridFrame::GridFrame(QWidget* parent) : QWidget(parent), m_grid(new QGridLayout(this))
{
    m_grid->setSpacing(0);
    m_grid->setContentsMargins(1, 1, 1, 1);
}

void GridFrame::addCell(QWidget* cell, int row, int column, int rowSpan, int columnSpan)
{
    if (auto* label = qobject_cast<QLabel*>(cell))
        label->setMargin(4);
    m_grid->addWidget(cell, row, column, rowSpan, columnSpan);
}

QRadioButton* GridFrame::addOption(const char* name, const QString& accessibleName, int row, int column)
{
    QRadioButton* option = makeOption(this, name);
    option->setAccessibleName(accessibleName);
    auto* holder = new QWidget(this);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->addWidget(option, 0, Qt::AlignCenter);
    addCell(holder, row, column);
    return option;
}

QLabel* tableCell(QWidget* parent, const char* name, const QString& text, int width)
{
    QLabel* label = makeLabel(parent, name, text);
    label->setAlignment(Qt::AlignCenter);
    if (width > 0) {
        label->setWordWrap(true);
        label->setFixedWidth(width);
    }
    return label;
}

void GridFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < m_grid->count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        m_grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        const QRect top = m_grid->cellRect(row, column);
        const QRect bottom = m_grid->cellRect(row + rowSpan - 1, column + columnSpan - 1);
        painter.drawRect(top.united(bottom).adjusted(0, 0, -1, -1));
    }
}

} // namespace gear::ui
