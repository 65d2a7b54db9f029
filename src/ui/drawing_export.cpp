// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing_export.h"

#include "geometry/dxf_writer.h"
#include "geometry/svg_writer.h"
#include "screens/walkthrough_text.h"
#include "ui/drawing_painter.h"
#include "ui/report.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace gear::ui {

namespace {

constexpr double kMillimetresPerInch = 25.4;

struct FormatName {
    DrawingFormat format;
    const char* suffix;
    const char* filter;
};

constexpr FormatName kFormats[] = {
    {DrawingFormat::Svg, "svg", QT_TRANSLATE_NOOP("gear::ui::DrawingExport", "Рисунок SVG (*.svg)")},
    {DrawingFormat::Dxf, "dxf", QT_TRANSLATE_NOOP("gear::ui::DrawingExport", "Чертёж DXF для САПР (*.dxf)")},
    {DrawingFormat::Pdf, "pdf", QT_TRANSLATE_NOOP("gear::ui::DrawingExport", "Документ PDF (*.pdf)")},
    {DrawingFormat::Png, "png", QT_TRANSLATE_NOOP("gear::ui::DrawingExport", "Изображение PNG, 300 dpi (*.png)")},
};

bool writePdf(const Drawing& d, QIODevice& device)
{
    QPdfWriter pdf(&device);
    const QSizeF sheet(d.sheet.width() / d.scale, d.sheet.height() / d.scale);
    pdf.setPageSize(QPageSize(sheet, QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(1200);
    pdf.setTitle(qt(d.title));
    pdf.setCreator(QStringLiteral("gearwheel"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    paintDrawing(painter, d, QRectF(0, 0, pdf.width(), pdf.height()));
    return painter.end();
}

bool writePng(const Drawing& d, QIODevice& device)
{
    const double dotsPerMm = kPngDotsPerInch / kMillimetresPerInch;
    QImage image(static_cast<int>(std::lround(d.sheet.width() / d.scale * dotsPerMm)),
                 static_cast<int>(std::lround(d.sheet.height() / d.scale * dotsPerMm)), QImage::Format_RGB32);
    if (image.isNull())
        return false;
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerMm * 1000));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        paintDrawing(painter, d, QRectF(0, 0, image.width(), image.height()));
    }
    return image.save(&device, "PNG");
}

} // namespace

std::optional<DrawingFormat> formatOfName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatName& f : kFormats) {
        if (suffix == QLatin1String(f.suffix))
            return f.format;
    }
    return std::nullopt;
}

namespace {

QString notWritten(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("gear::ui::DrawingExport",
                                       "Не удалось записать файл «%1»: %2. Файл не сохранён.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString writeAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("gear::ui::DrawingExport", "Не удалось создать файл «%1»: %2.")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    if (!write(file) || file.error() != QFileDevice::NoError) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QCoreApplication::translate("gear::ui::DrawingExport", "ошибка при записи");
        file.cancelWriting();
        return notWritten(path, reason);
    }
    if (!file.commit())
        return notWritten(path, file.errorString());
    return {};
}

QString writeDrawing(const Drawing& d, const QString& path, DrawingFormat format)
{
    return writeAtomically(path, [&](QIODevice& device) {
        switch (format) {
        case DrawingFormat::Svg: {
            const std::string svg = drawingSvg(d);
            return device.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
        }
        case DrawingFormat::Dxf: {
            const std::string dxf = drawingDxf(d);
            return device.write(dxf.data(), static_cast<qint64>(dxf.size())) == static_cast<qint64>(dxf.size());
        }
        case DrawingFormat::Pdf: return writePdf(d, device);
        case DrawingFormat::Png: return writePng(d, device);
        }
        return false;
    });
}

SheetTitle sheetTitle(Screens& screens)
{
    SheetTitle title;
    title.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    if (const std::optional<ReportAuthor>& author = screens.reportAuthor()) {
        title.developer = author->name.toStdString();
        title.group = author->group.toStdString();
    }
    return title;
}

void saveDrawingAs(QWidget* parent, Screens& screens, const QString& name,
                   std::function<std::optional<Drawing>()> build)
{
    QStringList filters;
    for (const FormatName& f : kFormats)
        filters << QCoreApplication::translate("gear::ui::DrawingExport", f.filter);
    auto* dialog = new QFileDialog(parent, QCoreApplication::translate("gear::ui::DrawingExport", "Сохранить чертёж"));
    dialog->setObjectName(QStringLiteral("saveDrawing"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, the same on every desktop, which the tests can drive.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters(filters);
    // The dialog changes the proposed name's suffix with the type chosen.
    dialog->selectFile(name + QLatin1Char('.') + QLatin1String(kFormats[0].suffix));
    QObject::connect(dialog, &QFileDialog::fileSelected, parent, [dialog, parent, &screens, build](QString path) {
        // A name typed without its suffix takes the one of the type chosen.
        if (!formatOfName(path)) {
            for (const FormatName& f : kFormats) {
                if (dialog->selectedNameFilter() == QCoreApplication::translate("gear::ui::DrawingExport", f.filter))
                    path += QLatin1Char('.') + QString::fromLatin1(f.suffix);
            }
        }
        const std::optional<Drawing> drawing = build();
        const std::optional<DrawingFormat> format = formatOfName(path);
        if (!drawing || !format) {
            screens.refuse(parent, QCoreApplication::translate("gear::ui::DrawingExport",
                                                               "Чертёж сохраняется в файлы SVG, DXF, PDF или PNG."));
            return;
        }
        // Sizes no sheet holds are not drawn; an empty file would say nothing.
        if (drawing->lines.empty()) {
            screens.refuse(parent, QCoreApplication::translate(
                                       "gear::ui::DrawingExport",
                                       "Деталь этих размеров не помещается на лист ни в одном масштабе ГОСТ 2.302: "
                                       "чертёж не сохранён."));
            return;
        }
        const QString failure = writeDrawing(*drawing, path, *format);
        if (!failure.isEmpty())
            screens.refuse(parent, failure);
    });
    dialog->open();
}

} // namespace gear::ui
