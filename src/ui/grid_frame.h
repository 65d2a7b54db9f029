#pragma once

#include <QWidget>

class QGridLayout;

namespace gear::ui {

// A table of cells with a line around every cell, the way the course's
// reference tables are printed.
class GridFrame final : public QWidget {
    Q_OBJECT

public:
    explicit GridFrame(QWidget* parent);

    void addCell(QWidget* cell, int row, int column, int rowSpan = 1, int columnSpan = 1);
    QGridLayout* grid() const { return m_grid; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QGridLayout* m_grid;
};

} // namespace gear::ui
