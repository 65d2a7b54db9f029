// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
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

// The calculation note: a title block, then for each mode that reached its
// results its inputs, its walkthrough, its results table and its drawing,
// vector and dimensioned.
std::unique_ptr<QTextDocument> reportDocument(const CalcState& state, const ReportAuthor& author, QDate date);

// Prints the report on `device` (a PDF writer or a printer), page by page.
void printReport(const CalcState& state, const ReportAuthor& author, QPagedPaintDevice& device);

// Writes the report as a PDF file, whole or not at all; the reason of a
// failure in Russian, or the empty text.
QString writeReportPdf(const CalcState& state, const ReportAuthor& author, const QString& path);

// Asks for the author, unless known already, then calls `next`.
void withReportAuthor(QWidget* parent, Screens& screens, const std::function<void()>& next);

// "Файл" → "Отчёт (PDF)…": the author if need be, a file, the PDF.
void saveReportAs(QWidget* parent, Screens& screens);

} // namespace gear::ui
