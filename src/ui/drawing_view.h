// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/wheel_drawing.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace gear::ui {

// Shows a drawing the core lays out for the widget's own size, so that its
// texts keep their size on screen whatever the size of the part.
class DrawingView final : public QWidget {
    Q_OBJECT

public:
    using Builder = std::function<Drawing(const DrawingTarget&)>;

    DrawingView(QSize preferred, QWidget* parent);

    // What to draw; nothing when empty.
    void setBuilder(Builder builder);
    bool hasDrawing() const { return static_cast<bool>(m_builder); }
    // The drawing as it goes to a sheet of paper, with what its title
    // block says of the student.
    std::optional<Drawing> paperDrawing(const SheetTitle& title = {}) const;

    QSize sizeHint() const override { return m_preferred; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize m_preferred;
    Builder m_builder;
    std::optional<Drawing> m_shown;
};

} // namespace gear::ui
