// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report.h"

#include "shell/walkthrough_text.h"

#include "gear_version.h"
#include "geometry/results.h"
#include "geometry/wheel_drawing.h"
#include "ui/controls.h"
#include "ui/drawing_export.h"
#include "ui/drawing_painter.h"
#include "ui/number_display.h"
#include "ui/screens.h"
#include "ui/text_conversion.h"
#include "ui/walkthrough_view.h"

#include <QAbstractTextDocumentLayout>
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
#include <span>

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

struct InputRow {
    const char* caption;
    Number Quantities::*value;
};

constexpr std::array<InputRow, 6> kTransmissionInputs{{
    {"Число зубьев шестерни Z1", &Quantities::Z1},
    {"Угол наклона зубьев β, град", &Quantities::beta},
    {"Вращающий момент на валу шестерни T1, Н·м", &Quantities::T1},
    {"Передаточное отношение U", &Quantities::U},
    {"Твёрдость зубьев шестерни H1", &Quantities::H1},
    {"Твёрдость зубьев колеса H2", &Quantities::H2},
}};
constexpr std::array<InputRow, 5> kWheelInputs{{
    {"Число зубьев z", &Quantities::Z1},
    {"Угол наклона зубьев β, град", &Quantities::beta},
    {"Диаметр выступов da, мм", &Quantities::da},
    {"Ширина зубчатого венца bw, мм", &Quantities::bw},
    {"Диаметр вала dв, мм", &Quantities::dv},
}};
constexpr std::array<InputRow, 4> kCheckInputs{{
    {"Делительный диаметр d, мм", &Quantities::d},
    {"Число зубьев z", &Quantities::Z1},
    {"Угол наклона зубьев β, град", &Quantities::beta},
    {"Ширина зубчатого венца b, мм", &Quantities::bw},
}};

std::span<const InputRow> inputsOf(Mode mode)
{
    switch (mode) {
    case Mode::Transmission: return kTransmissionInputs;
    case Mode::Wheel: return kWheelInputs;
    case Mode::Check: return kCheckInputs;
    }
    return {};
}

QString cell(const QString& text)
{
    return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
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
    html += QStringLiteral("<h1 align=\"center\">Расчёт зубчатого колеса</h1>");
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\">");
    const std::array<std::pair<const char*, QString>, 5> title{{
        {"Студент", author.name},
        {"Группа", author.group},
        {"Вариант", author.variant},
        {"Дата", date.toString(QStringLiteral("dd.MM.yyyy"))},
        {"Программа", QStringLiteral("gearwheel " GEAR_VERSION " — Расчёт зубчатого колеса")},
    }};
    for (const auto& [caption, value] : title)
        html += QStringLiteral("<tr>") + cell(QString::fromUtf8(caption)) + cell(value) + QStringLiteral("</tr>");
    html += QStringLiteral("</table>");

    const std::vector<ResultTable> tables = resultTables(state, decimalSeparator());
    size_t tableIndex = 0;
    bool any = false;
    for (Mode mode : {Mode::Transmission, Mode::Wheel, Mode::Check}) {
        const auto& kept = state.results[static_cast<size_t>(mode)];
        if (!kept)
            continue;
        any = true;
        html += QStringLiteral("<h1 style=\"page-break-before: always\">%1</h1>").arg(qt(modeTitle(mode)));
        html += QStringLiteral("<h2>Исходные данные</h2><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">");
        for (const InputRow& row : inputsOf(mode))
            html += QStringLiteral("<tr>") + cell(QString::fromUtf8(row.caption)) +
                    cell(shown(kept->values.*row.value)) + QStringLiteral("</tr>");
        if (mode != Mode::Wheel && !kept->steelGrade.empty())
            html += QStringLiteral("<tr>") + cell(QStringLiteral("Марка стали")) + cell(qt(kept->steelGrade)) +
                    QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
        html += QStringLiteral("<h2>Ход расчёта</h2>") + walkthroughHtml(state, mode);
        if (tableIndex < tables.size()) {
            html += QStringLiteral("<h2>%1</h2>").arg(qt(tables[tableIndex].title).toHtmlEscaped());
            html += tableHtml(tables[tableIndex]);
            ++tableIndex;
        }
        if (mode != Mode::Check)
            html += QStringLiteral("<h2 style=\"page-break-before: always\">Чертёж</h2><p>&#xFFFC;%1</p>")
                        .arg(static_cast<int>(mode));
    }
    if (!any)
        html += QStringLiteral("<p><i>Ни один расчёт ещё не доведён до результатов.</i></p>");
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
        pdf.setTitle(QStringLiteral("Расчёт зубчатого колеса"));
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
    dialog->setWindowTitle(QStringLiteral("Отчёт"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* form = new QFormLayout;
    auto* name = makeTextField(dialog, "Text1");
    auto* group = makeTextField(dialog, "Text2");
    auto* variant = makeTextField(dialog, "Text3");
    form->addRow(QStringLiteral("Студент:"), name);
    form->addRow(QStringLiteral("Группа:"), group);
    form->addRow(QStringLiteral("Вариант:"), variant);
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
        auto* dialog = new QFileDialog(parent, QStringLiteral("Сохранить отчёт"));
        dialog->setObjectName(QStringLiteral("saveReport"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setNameFilter(QStringLiteral("Документ PDF (*.pdf)"));
        dialog->setDefaultSuffix(QStringLiteral("pdf"));
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
