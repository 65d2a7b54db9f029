#pragma once

#include <QPixmap>

namespace gear::ui {

// The main window's picture: a pinion shaft in mesh with a spur gear, in
// copper on grey, with true involute flanks. 580 × 466 pixels.
QPixmap mainWindowArt();

} // namespace gear::ui
