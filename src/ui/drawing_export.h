// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/drawing.h"
#include "geometry/wheel_drawing.h"
#include "shell/mode.h"

#include <QString>

#include <functional>
#include <optional>

class QIODevice;
class QWidget;

namespace gear::ui {

class Screens;

enum class DrawingFormat { Svg, Dxf, Pdf, Png };

// The format a file name asks for by its suffix, if it is one of ours.
std::optional<DrawingFormat> formatOfName(const QString& path);

// PNG files are made at this resolution.
inline constexpr int kPngDotsPerInch = 300;

// Writes `path` whole or not at all: what `write` puts into the device goes
// to a temporary file that replaces `path` only when everything was written.
// Returns the reason of a failure in Russian, or the empty text.
QString writeAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);

// The drawing in the format given: SVG and DXF from the core, PDF and PNG
// painted, the sheet at its true size (PNG at 300 dpi).
QString writeDrawing(const Drawing& drawing, const QString& path, DrawingFormat format);

// "Сохранить чертёж…": asks for a file (its type chosen by the dialog's
// filter or the name's suffix), proposing the drawing's mode as its name,
// writes the drawing `build` gives and says in a message box why, if it
// could not.
// What a sheet's title block says of the student (from the report's
// dialog, once asked) and today's date.
SheetTitle sheetTitle(Screens& screens);

void saveDrawingAs(QWidget* parent, Screens& screens, const QString& name,
                   std::function<std::optional<Drawing>()> build);

} // namespace gear::ui
