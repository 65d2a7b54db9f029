// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace gear::ui {

// The contrast of two colours as the accessibility guidelines measure it,
// from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `text` itself when it reads well enough on `background`, else the nearest
// mix of it with black or white (whichever the background needs) that does.
QColor readableOn(const QColor& text, const QColor& background, double minimum = 4.5);

} // namespace gear::ui
