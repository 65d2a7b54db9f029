// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report.h"

#include "screens/walkthrough_text.h"

#include "file/conclusions.h"
#include "file/input_table.h"
#include "gear_version.h"
#include "geometry/drawing_rules.h"
#include "geometry/pair_checks.h"
#include "geometry/results.h"
#include "geometry/wheel_drawing.h"
#include "ui/controls.h"
#include "ui/drawing_export.h"
#include "ui/drawing_painter.h"
#include "ui/number_display.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"
#include "ui/walkthrough_view.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QFormLayout>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextObjectInterface>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace gear::ui {

namespace {

constexpr int kDrawingObject = QTextFormat::UserObject + 1;
constexpr int kModeProperty = QTextFormat::UserProperty + 1;
// The drawing's place on an A4 page within its margins.
constexpr double kDrawingWidthMm = 165;
constexpr double kDrawingHeightMm = 200;

// A drawing kept with a mode, painted where the document puts it; on a PDF
// it stays vector, its texts text.
class DrawingObject final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit DrawingObject(const CalcState& state, QObject* parent) : QObject(parent), m_state(state) {}

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat&) override
    {
        // As wide as the page's text allows, up to the size the drawing is
        // made for.
        double width = kDrawingWidthMm * unitsPerMm(document);
        const double available = document->pageSize().width() - 2 * document->documentMargin();
        if (available > 0)
            width = std::min(width, available);
        return {width, width * kDrawingHeightMm / kDrawingWidthMm};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                    const QTextFormat& format) override
    {
        // Laid out for the place it has, so that its scale is the one it says.
        DrawingTarget area;
        area.paper = false;
        area.standardScale = true;
        area.width = rect.width() / unitsPerMm(document);
        area.height = rect.height() / unitsPerMm(document);
        area.decimalSeparator = decimalSeparator();
        area.translate = coreTranslator();
        const auto mode = static_cast<Mode>(format.intProperty(kModeProperty));
        if (const std::optional<Drawing> drawing = modeDrawing(m_state, mode, area))
            paintDrawing(*painter, *drawing, rect);
    }

private:
    // The document is laid out in the units of its device: a printer's dots
    // when printing, screen pixels otherwise.
    static double unitsPerMm(QTextDocument* document)
    {
        const QPaintDevice* device = document->documentLayout()->paintDevice();
        return (device ? device->logicalDpiX() : 96.0) / 25.4;
    }

    const CalcState& m_state;
};

QString cell(const QString& text)
{
    return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
}

QString programTitle()
{
    return QCoreApplication::translate("gear::ui::Report", "Расчёт зубчатого колеса");
}

// The first row is the table's head, repeated on every page the table
// runs onto.
QString tableHtml(const ResultTable& table)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">");
    for (size_t i = 0; i < table.rows.size(); ++i) {
        html += i == 0 ? QStringLiteral("<thead><tr>") : QStringLiteral("<tr>");
        for (const std::string& text : table.rows[i])
            html += cell(qt(text));
        html += i == 0 ? QStringLiteral("</tr></thead>") : QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The text area of a page inside the frame of ГОСТ 2.104, mm: 20 mm for
// binding and 5 mm to the frame, 5 mm inside it; the title block of form 2
// (40 mm) below, which the further pages' form 2a (15 mm) leaves room for too.
constexpr double kNoteLeft = 20 + 5;
constexpr double kNoteRight = 5 + 5;
constexpr double kNoteTop = 5 + 5;
constexpr double kNoteBottom = 5 + 40 + 5;

// The sections of the note, in order, with their anchors for the contents.
struct NoteSection {
    QString title;
    QString anchor;
};

} // namespace

namespace {

QString noteTitle()
{
    return QCoreApplication::translate("gear::ui::Report", "Расчёт зубчатой передачи. Пояснительная записка");
}

// One mode's part of the note: its inputs, walkthrough, results (the next
// of `tables`), the strength checks of a pair and the drawing; the sections
// the contents list are added to `sections`.
QString modeHtml(const CalcState& state, Mode mode, const ResultTable* results, bool images,
                 std::vector<NoteSection>& sections)
{
    const QString anchor = QStringLiteral("mode%1").arg(static_cast<int>(mode));
    const QString title = translated("mode", modeTitle(mode));
    sections.push_back({title, anchor});
    QString body =
        QStringLiteral("<h1 style=\"page-break-before: always\"><a name=\"%1\"></a>%2</h1>").arg(anchor, title);
    const ResultTable inputs = inputTable(state, mode, decimalSeparator(), coreTranslator());
    body += QStringLiteral("<h2>%1</h2>").arg(qt(inputs.title).toHtmlEscaped()) + tableHtml(inputs);
    body += QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("gear::ui::Report", "Ход расчёта")) +
            walkthroughHtml(state, mode);
    if (results)
        body += QStringLiteral("<h2>%1</h2>").arg(qt(results->title).toHtmlEscaped()) + tableHtml(*results);
    if (mode == Mode::Transmission) {
        const std::vector<ResultTable> checks = strengthCheckTables(state, decimalSeparator(), coreTranslator());
        if (!checks.empty()) {
            const QString checked = QCoreApplication::translate("gear::ui::Report", "Проверка прочности");
            sections.push_back({checked, QStringLiteral("strength")});
            body +=
                QStringLiteral("<h2 style=\"page-break-before: always\"><a name=\"strength\"></a>%1</h2>").arg(checked);
        }
        for (const ResultTable& check : checks)
            body += QStringLiteral("<h3>%1</h3>").arg(qt(check.title).toHtmlEscaped()) + tableHtml(check);
    }
    if (mode != Mode::Check) {
        body += QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2>")
                    .arg(QCoreApplication::translate("gear::ui::Report", "Чертёж"));
        body += images ? QStringLiteral("<p><img src=\"drawing%1\" width=\"600\"/></p>").arg(static_cast<int>(mode))
                       : QStringLiteral("<p>&#xFFFC;%1</p>").arg(static_cast<int>(mode));
    }
    return body;
}

// The conclusions, when any mode reached them, and the list of sources.
QString closingHtml(const CalcState& state, std::vector<NoteSection>& sections)
{
    QString body;
    const std::vector<Conclusion> said = conclusions(state, decimalSeparator(), coreTranslator());
    if (!said.empty()) {
        const QString title = QCoreApplication::translate("gear::ui::Report", "Заключение");
        sections.push_back({title, QStringLiteral("conclusions")});
        body +=
            QStringLiteral("<h1 style=\"page-break-before: always\"><a name=\"conclusions\"></a>%1</h1>").arg(title);
        for (const Conclusion& c : said)
            body += QStringLiteral("<p>%1</p>").arg(qt(c.text).toHtmlEscaped());
    }
    const QString sources = QCoreApplication::translate("gear::ui::Report", "Список использованных источников");
    sections.push_back({sources, QStringLiteral("sources")});
    body += QStringLiteral("<h1 style=\"page-break-before: always\"><a name=\"sources\"></a>%1</h1><ol>").arg(sources);
    for (const std::string& source : noteSources(coreTranslator()))
        body += QStringLiteral("<li>%1</li>").arg(qt(source).toHtmlEscaped());
    return body + QStringLiteral("</ol>");
}

// The title page: the department, the note's name and who made it when.
QString titlePageHtml(const ReportAuthor& author, QDate date)
{
    QString html = QStringLiteral("<p align=\"center\">%1</p>")
                       .arg(QCoreApplication::translate("gear::ui::Report", "Кафедра «Детали машин»"));
    html += QStringLiteral("<p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p><h1 align=\"center\">%1</h1>")
                .arg(QCoreApplication::translate("gear::ui::Report", "ПОЯСНИТЕЛЬНАЯ ЗАПИСКА"));
    html += QStringLiteral("<p align=\"center\">%1</p>")
                .arg(QCoreApplication::translate("gear::ui::Report", "к расчёту цилиндрической зубчатой передачи"));
    html += QStringLiteral("<p>&nbsp;</p><p>&nbsp;</p>");
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\">");
    const std::array<std::pair<QString, QString>, 5> title{{
        {QCoreApplication::translate("gear::ui::Report", "Студент"), author.name},
        {QCoreApplication::translate("gear::ui::Report", "Группа"), author.group},
        {QCoreApplication::translate("gear::ui::Report", "Вариант"), author.variant},
        {QCoreApplication::translate("gear::ui::Report", "Дата"), date.toString(QStringLiteral("dd.MM.yyyy"))},
        {QCoreApplication::translate("gear::ui::Report", "Программа"),
         QStringLiteral("gearwheel " GEAR_VERSION " — ") + programTitle()},
    }};
    for (const auto& [caption, value] : title)
        html += QStringLiteral("<tr>") + cell(caption) + cell(value) + QStringLiteral("</tr>");
    return html + QStringLiteral("</table>");
}

// The contents, each section with its sheet where `pages` knows it.
QString contentsHtml(const std::vector<NoteSection>& sections, const QMap<QString, int>& pages)
{
    QString html = QStringLiteral("<h1 style=\"page-break-before: always\">%1</h1>")
                       .arg(QCoreApplication::translate("gear::ui::Report", "Содержание"));
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">");
    for (const NoteSection& section : sections) {
        const int page = pages.value(section.anchor, 0);
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\" width=\"12%\">%2</td></tr>")
                    .arg(section.title.toHtmlEscaped(), page > 0 ? QString::number(page) : QStringLiteral("…"));
    }
    return html + QStringLiteral("</table>");
}

// The note's HTML: a title page, the contents (with the sheet of each
// section where `pages` knows it), each mode's inputs, walkthrough, results
// and drawing, the conclusions and the sources. A drawing is the object
// replacement character and its mode, or an image of it when `images`.
QString noteHtml(const CalcState& state, const ReportAuthor& author, QDate date, const QMap<QString, int>& pages,
                 bool images)
{
    std::vector<NoteSection> sections;
    QString body;
    const std::vector<ResultTable> tables = resultTables(state, decimalSeparator(), coreTranslator());
    size_t tableIndex = 0;
    for (Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check}) {
        if (!state.results[static_cast<size_t>(mode)])
            continue;
        const ResultTable* results = tableIndex < tables.size() ? &tables[tableIndex++] : nullptr;
        body += modeHtml(state, mode, results, images, sections);
    }
    if (body.isEmpty())
        body +=
            QStringLiteral("<p><i>%1</i></p>")
                .arg(QCoreApplication::translate("gear::ui::Report", "Ни один расчёт ещё не доведён до результатов."));
    body += closingHtml(state, sections);
    return QStringLiteral("<html><body>") + titlePageHtml(author, date) + contentsHtml(sections, pages) + body +
           QStringLiteral("</body></html>");
}

// Each drawing's placeholder becomes the object that paints it.
void placeDrawings(QTextDocument& document)
{
    QTextCursor cursor(&document);
    while (!(cursor = document.find(QString(QChar(0xFFFC)), cursor)).isNull()) {
        const QTextBlock block = cursor.block();
        const int mode = block.text().mid(block.text().indexOf(QChar(0xFFFC)) + 1).toInt();
        QTextCharFormat format;
        format.setObjectType(kDrawingObject);
        format.setProperty(kModeProperty, mode);
        QTextCursor line(block);
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        line.insertText(QString(QChar::ObjectReplacementCharacter), format);
        cursor = line;
    }
}

double dotsPerMm(const QPaintDevice& device)
{
    return device.logicalDpiX() / 25.4;
}

// Lays the document out on the text area of an A4 page of `device`.
void layOutOn(QTextDocument& document, QPaintDevice& device)
{
    const double k = dotsPerMm(device);
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    document.setPageSize(QSizeF((210 - kNoteLeft - kNoteRight) * k, (297 - kNoteTop - kNoteBottom) * k));
}

// The sheet each anchored section begins on, the title page being sheet 1.
QMap<QString, int> sectionPages(QTextDocument& document)
{
    QMap<QString, int> pages;
    const double height = document.pageSize().height();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isAnchor())
                continue;
            for (const QString& name : format.anchorNames()) {
                const double y = document.documentLayout()->blockBoundingRect(block).top();
                pages.insert(name, static_cast<int>(y / height) + 1);
            }
        }
    }
    return pages;
}

} // namespace

std::unique_ptr<QTextDocument> reportDocument(const CalcState& state, const ReportAuthor& author, QDate date,
                                              QPaintDevice* device)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 10));
    document->documentLayout()->registerHandler(kDrawingObject, new DrawingObject(state, document.get()));
    document->setHtml(noteHtml(state, author, date, {}, false));
    placeDrawings(*document);
    if (device) {
        // Laid out once to find where each section falls, then again with
        // the contents' sheet numbers, which take the same room as before.
        layOutOn(*document, *device);
        const QMap<QString, int> pages = sectionPages(*document);
        document->setHtml(noteHtml(state, author, date, pages, false));
        placeDrawings(*document);
        layOutOn(*document, *device);
    }
    return document;
}

namespace {

// The frame and the title block of a sheet of the note: form 2 on the
// first sheet after the title page, form 2a on the rest; the title page
// has none.
void drawNoteFrame(QPainter& painter, double k, int sheet, int sheets, const ReportAuthor& author, QDate date)
{
    if (sheet == 1)
        return;
    const TitleForm& form = sheet == 2 ? titleForm2() : titleForm2a();
    const auto pen = [&](bool thick) {
        return QPen(Qt::black, (thick ? linePen(Layer::Frame) : linePen(Layer::FrameThin)).width * k);
    };
    painter.setPen(pen(true));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(20 * k, 5 * k, 185 * k, 287 * k));
    const double left = 205 - form.width;
    const double top = 292 - form.height;
    for (const TitleLine& l : form.lines) {
        painter.setPen(pen(l.thick));
        painter.drawLine(QPointF((left + l.x0) * k, (top + l.y0) * k), QPointF((left + l.x1) * k, (top + l.y1) * k));
    }
    painter.setPen(pen(false));
    const QString designation =
        author.variant.isEmpty() ? QCoreApplication::translate("gear::ui::Report", "ДМ ПЗ")
                                 : QCoreApplication::translate("gear::ui::Report", "ДМ.%1.000 ПЗ").arg(author.variant);
    for (const TitleCell& c : form.cells) {
        QString text;
        double size = kTextHeight;
        switch (c.field) {
        case TitleField::None:
            text = translated("title block", c.caption);
            size = kCaptionFont;
            break;
        case TitleField::Designation:
            text = designation;
            size = kNameFont;
            break;
        case TitleField::Name: text = noteTitle(); break;
        case TitleField::Letter: text = translated("title block", "У"); break;
        case TitleField::Sheet: text = QString::number(sheet); break;
        case TitleField::Sheets: text = QString::number(sheets); break;
        case TitleField::Organisation: text = author.group; break;
        case TitleField::Developer: text = author.name; break;
        case TitleField::DeveloperDate: text = date.toString(QStringLiteral("dd.MM.yy")); break;
        default: break;
        }
        if (text.isEmpty())
            continue;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setItalic(true);
        font.setPixelSize(std::max(1, static_cast<int>(size * k)));
        // A long text narrows into its cell.
        const QRectF cellRect((left + c.x) * k, (top + c.y) * k, c.width * k, c.height * k);
        const double natural = QFontMetricsF(font).horizontalAdvance(text);
        if (natural > cellRect.width() - k)
            font.setStretch(std::max(25, static_cast<int>(100 * (cellRect.width() - k) / natural)));
        painter.setFont(font);
        painter.drawText(cellRect, Qt::AlignCenter | Qt::TextWordWrap, text);
    }
}

} // namespace

void printReport(const CalcState& state, const ReportAuthor& author, QPagedPaintDevice& device)
{
    const QDate date = QDate::currentDate();
    const std::unique_ptr<QTextDocument> document = reportDocument(state, author, date, &device);
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    const double k = dotsPerMm(device);
    const QSizeF page = document->pageSize();
    const int sheets = document->pageCount();
    for (int i = 0; i < sheets; ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.translate(kNoteLeft * k, kNoteTop * k - i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        painter.setClipRect(context.clip);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
        drawNoteFrame(painter, k, i + 1, sheets, author, date);
    }
}

QString writeReportOdt(const CalcState& state, const ReportAuthor& author, const QString& path)
{
    // Laid out as on paper for the contents' sheet numbers; the drawings
    // go in as pictures, which a word processor keeps.
    const QDate date = QDate::currentDate();
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter measure(&scratch);
    measure.setPageSize(QPageSize(QPageSize::A4));
    measure.setPageMargins(QMarginsF(0, 0, 0, 0));
    const std::unique_ptr<QTextDocument> laidOut = reportDocument(state, author, date, &measure);
    const QMap<QString, int> pages = sectionPages(*laidOut);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 10));
    for (Mode mode : {Mode::Transmission, Mode::Wheel}) {
        DrawingTarget area;
        area.paper = false;
        area.standardScale = true;
        area.width = kDrawingWidthMm;
        area.height = kDrawingHeightMm;
        area.decimalSeparator = decimalSeparator();
        area.translate = coreTranslator();
        const std::optional<Drawing> drawing = modeDrawing(state, mode, area);
        if (!drawing)
            continue;
        // 150 dpi: sharp on paper, small in the file.
        constexpr double dotsPerMm = 150 / 25.4;
        QImage image(static_cast<int>(kDrawingWidthMm * dotsPerMm), static_cast<int>(kDrawingHeightMm * dotsPerMm),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintDrawing(painter, *drawing, QRectF(0, 0, image.width(), image.height()));
        }
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QStringLiteral("drawing%1").arg(static_cast<int>(mode))), image);
    }
    document.setHtml(noteHtml(state, author, date, pages, true));
    // The ODF writer closes the device it writes, which a file saved
    // whole or not at all must not be: it writes to memory first.
    QBuffer odf;
    odf.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&odf, "odf");
    if (!writer.write(&document))
        return QCoreApplication::translate("gear::ui::Report", "Не удалось составить документ OpenDocument.");
    const QByteArray bytes = odf.data();
    return writeAtomically(path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

QString writeReportPdf(const CalcState& state, const ReportAuthor& author, const QString& path)
{
    return writeAtomically(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        // The document keeps margins of its own when printed.
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(programTitle());
        pdf.setCreator(QStringLiteral("gearwheel " GEAR_VERSION));
        printReport(state, author, pdf);
        return true;
    });
}

void withReportAuthor(QWidget* parent, Screens& screens, const std::function<void()>& next)
{
    if (screens.reportAuthor()) {
        next();
        return;
    }
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("reportAuthor"));
    dialog->setWindowTitle(QCoreApplication::translate("gear::ui::Report", "Отчёт"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* form = new QFormLayout;
    auto* name = makeTextField(dialog, "Text1");
    auto* group = makeTextField(dialog, "Text2");
    auto* variant = makeTextField(dialog, "Text3");
    form->addRow(QCoreApplication::translate("gear::ui::Report", "Студент:"), name);
    form->addRow(QCoreApplication::translate("gear::ui::Report", "Группа:"), group);
    form->addRow(QCoreApplication::translate("gear::ui::Report", "Вариант:"), variant);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Command1"));
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(dialog, &QDialog::accepted, parent, [&screens, name, group, variant, next] {
        screens.reportAuthor() =
            ReportAuthor{name->text().trimmed(), group->text().trimmed(), variant->text().trimmed()};
        next();
    });
    dialog->open();
}

void saveReportAs(QWidget* parent, Screens& screens)
{
    withReportAuthor(parent, screens, [parent, &screens] {
        auto* dialog = new QFileDialog(parent, QCoreApplication::translate("gear::ui::Report", "Сохранить отчёт"));
        dialog->setObjectName(QStringLiteral("saveReport"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        const QString odt = QCoreApplication::translate("gear::ui::Report", "Документ OpenDocument (*.odt)");
        dialog->setNameFilters({QCoreApplication::translate("gear::ui::Report", "Документ PDF (*.pdf)"), odt});
        dialog->setDefaultSuffix(QStringLiteral("pdf"));
        dialog->selectFile(QCoreApplication::translate("gear::ui::Report", "Отчёт.pdf"));
        QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, odt](const QString& filter) {
            dialog->setDefaultSuffix(filter == odt ? QStringLiteral("odt") : QStringLiteral("pdf"));
        });
        QObject::connect(dialog, &QFileDialog::fileSelected, parent, [parent, &screens](const QString& path) {
            // The type follows the name's suffix: a word processor's, or PDF.
            const bool asOdt = path.endsWith(QStringLiteral(".odt"), Qt::CaseInsensitive);
            const QString failure = asOdt ? writeReportOdt(screens.state(), *screens.reportAuthor(), path)
                                          : writeReportPdf(screens.state(), *screens.reportAuthor(), path);
            if (!failure.isEmpty())
                screens.refuse(parent, failure);
        });
        dialog->open();
    });
}

} // namespace gear::ui

#include "report.moc"
