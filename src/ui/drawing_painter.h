// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/drawing.h"

#include <QRectF>

class QPainter;

namespace gear::ui {

// Paints a drawing's sheet into `target`, keeping its proportions and
// centring it there: vector strokes, texts as text, so that a PDF keeps
// them selectable.
void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target);

} // namespace gear::ui
