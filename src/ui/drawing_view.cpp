// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing_view.h"

#include "ui/drawing_painter.h"
#include "ui/number_display.h"
#include "ui/translation.h"

#include <QPainter>

namespace gear::ui {

DrawingView::DrawingView(QSize preferred, QWidget* parent) : QWidget(parent), m_preferred(preferred)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(preferred);
}

void DrawingView::setBuilder(Builder builder)
{
    m_builder = std::move(builder);
    m_shown.reset();
    update();
}

std::optional<Drawing> DrawingView::paperDrawing(const SheetTitle& title) const
{
    if (!m_builder)
        return std::nullopt;
    DrawingTarget paper;
    paper.title = title;
    paper.decimalSeparator = decimalSeparator();
    paper.translate = coreTranslator();
    return m_builder(paper);
}

void DrawingView::resizeEvent(QResizeEvent*)
{
    m_shown.reset();
}

void DrawingView::paintEvent(QPaintEvent*)
{
    if (!m_builder)
        return;
    if (!m_shown) {
        // Millimetres of the screen, as the window system counts them.
        DrawingTarget area;
        area.paper = false;
        area.width = width() * 25.4 / logicalDpiX();
        area.height = height() * 25.4 / logicalDpiY();
        area.decimalSeparator = decimalSeparator();
        area.translate = coreTranslator();
        m_shown = m_builder(area);
    }
    QPainter painter(this);
    paintDrawing(painter, *m_shown, rect());
}

} // namespace gear::ui
