// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;
class QWidget;

namespace gear::ui {

class Screens;

// Who hands the report in; asked once and kept for the session.
struct ReportAuthor {
    QString name;
    QString group;
    QString variant;
};

// The calculation note: a title page, the contents, then for each mode that
// reached its results its inputs, its walkthrough, its results table and its
// drawing, vector and dimensioned; the conclusions and the sources. Laid
// out on the pages of `device` when given, the contents with their sheets.
std::unique_ptr<QTextDocument> reportDocument(const CalcState& state, const ReportAuthor& author, QDate date,
                                              QPaintDevice* device = nullptr);

// Prints the report on `device` (a PDF writer or a printer), page by page,
// each sheet in the frame of ГОСТ 2.104 with its title block.
void printReport(const CalcState& state, const ReportAuthor& author, QPagedPaintDevice& device);

// Writes the report as a PDF file, whole or not at all; the reason of a
// failure in Russian, or the empty text.
QString writeReportPdf(const CalcState& state, const ReportAuthor& author, const QString& path);

// Writes the report as OpenDocument text, the drawings as pictures.
QString writeReportOdt(const CalcState& state, const ReportAuthor& author, const QString& path);

// Asks for the author, unless known already, then calls `next`.
void withReportAuthor(QWidget* parent, Screens& screens, const std::function<void()>& next);

// "Файл" → "Отчёт (PDF)…": the author if need be, a file, the PDF.
void saveReportAs(QWidget* parent, Screens& screens);

} // namespace gear::ui
