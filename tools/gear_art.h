// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace gear::art {

// The main window's picture: a pinion shaft in mesh with a spur gear, in
// copper on grey, with true involute flanks. 580 × 466 pixels.
QPixmap mainWindowArt();

// The program's icon: a pinion shaft before a gear, `size` pixels square.
QPixmap applicationIcon(int size);

} // namespace gear::art
