// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report.h"

#include "geometry/pair_checks.h"

#include "screens/walkthrough_text.h"

#include "file/input_table.h"
#include "gear_version.h"
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
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
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

QString tableHtml(const ResultTable& table)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">");
    for (const std::vector<std::string>& row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const std::string& text : row)
            html += cell(qt(text));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

std::unique_ptr<QTextDocument> reportDocument(const CalcState& state, const ReportAuthor& author, QDate date)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 10));
    document->documentLayout()->registerHandler(kDrawingObject, new DrawingObject(state, document.get()));

    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h1 align=\"center\">%1</h1>").arg(programTitle());
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
    html += QStringLiteral("</table>");

    const std::vector<ResultTable> tables = resultTables(state, decimalSeparator(), coreTranslator());
    size_t tableIndex = 0;
    bool any = false;
    for (Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check}) {
        const auto& kept = state.results[static_cast<size_t>(mode)];
        if (!kept)
            continue;
        any = true;
        html +=
            QStringLiteral("<h1 style=\"page-break-before: always\">%1</h1>").arg(translated("mode", modeTitle(mode)));
        const ResultTable inputs = inputTable(state, mode, decimalSeparator(), coreTranslator());
        html += QStringLiteral("<h2>%1</h2>").arg(qt(inputs.title).toHtmlEscaped()) + tableHtml(inputs);
        html += QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("gear::ui::Report", "Ход расчёта")) +
                walkthroughHtml(state, mode);
        if (tableIndex < tables.size()) {
            html += QStringLiteral("<h2>%1</h2>").arg(qt(tables[tableIndex].title).toHtmlEscaped());
            html += tableHtml(tables[tableIndex]);
            ++tableIndex;
        }
        if (mode == Mode::Transmission) {
            const std::vector<ResultTable> checks = strengthCheckTables(state, decimalSeparator(), coreTranslator());
            if (!checks.empty())
                html += QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2>")
                            .arg(QCoreApplication::translate("gear::ui::Report", "Проверка прочности"));
            for (const ResultTable& check : checks)
                html += QStringLiteral("<h3>%1</h3>").arg(qt(check.title).toHtmlEscaped()) + tableHtml(check);
        }
        if (mode != Mode::Check)
            html += QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2><p>&#xFFFC;%2</p>")
                        .arg(QCoreApplication::translate("gear::ui::Report", "Чертёж"))
                        .arg(static_cast<int>(mode));
    }
    if (!any)
        html +=
            QStringLiteral("<p><i>%1</i></p>")
                .arg(QCoreApplication::translate("gear::ui::Report", "Ни один расчёт ещё не доведён до результатов."));
    html += QStringLiteral("</body></html>");
    document->setHtml(html);

    // Each drawing's placeholder becomes the object that paints it.
    QTextCursor cursor(document.get());
    while (!(cursor = document->find(QString(QChar(0xFFFC)), cursor)).isNull()) {
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
    return document;
}

void printReport(const CalcState& state, const ReportAuthor& author, QPagedPaintDevice& device)
{
    const std::unique_ptr<QTextDocument> document = reportDocument(state, author, QDate::currentDate());
    document->print(&device);
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
    variant->setText(qt(screens.state().selfCheck.variant));
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
        // The file keeps the variant, by which the lecturer's marking finds
        // the row of the list the work is to be compared with.
        screens.session().setVariant(utf8(variant->text().trimmed()));
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
        dialog->setNameFilter(QCoreApplication::translate("gear::ui::Report", "Документ PDF (*.pdf)"));
        dialog->setDefaultSuffix(QStringLiteral("pdf"));
        dialog->selectFile(QCoreApplication::translate("gear::ui::Report", "Отчёт.pdf"));
        QObject::connect(dialog, &QFileDialog::fileSelected, parent, [parent, &screens](const QString& path) {
            const QString failure = writeReportPdf(screens.state(), *screens.reportAuthor(), path);
            if (!failure.isEmpty())
                screens.refuse(parent, failure);
        });
        dialog->open();
    });
}

} // namespace gear::ui

#include "report.moc"
