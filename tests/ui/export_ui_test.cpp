// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "geometry/drawing.h"
#include "geometry/module_choice.h"
#include "geometry/wheel_input.h"
#include "shell/mode_commands.h"
#include "ui/drawing_export.h"
#include "ui/report.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace gear::test {
namespace {

// Answers the save dialog of `owner` with a file of the type `filter` names.
void saveAs(QWidget* owner, const char* dialogName, const QString& path, const QString& filterStart = {})
{
    auto* dialog = owner->findChild<QFileDialog*>(QString::fromLatin1(dialogName));
    ASSERT_NE(dialog, nullptr);
    if (!filterStart.isEmpty()) {
        for (const QString& filter : dialog->nameFilters()) {
            if (filter.startsWith(filterStart))
                dialog->selectNameFilter(filter);
        }
    }
    dialog->selectFile(path);
    // The dialog's own Save button, as a student presses it.
    QMetaObject::invokeMethod(dialog, "accept");
}

QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000))
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

bool havePdftotext()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

struct FormatCase {
    const char* name;
    const char* filter; // how the dialog's filter starts
    const char* file;   // the name typed, without a suffix where the filter gives it
    const char* written;
};

class SaveDrawing : public testing::TestWithParam<FormatCase> {};

TEST_P(SaveDrawing, WritesTheFormatTheDialogAsksFor)
{
    const FormatCase& c = GetParam();
    QTemporaryDir dir;
    Driver app;
    app.sizeWheel("105", "2.5");
    ASSERT_TRUE(app.isVisible("vivod1"));
    app.click("vivod1", "Command2");
    saveAs(app.screen("vivod1"), "saveDrawing", dir.filePath(QString::fromLatin1(c.file)), QString::fromUtf8(c.filter));
    const QString path = dir.filePath(QString::fromLatin1(c.written));
    ASSERT_TRUE(QFile::exists(path)) << c.written;
    EXPECT_EQ(app.refusal(), nullptr);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::string format = c.name;
    if (format == "Svg") {
        QXmlStreamReader xml(bytes);
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.name(), QStringLiteral("svg"));
        // A3 across: the wheel beside the gear table and the title block.
        EXPECT_EQ(xml.attributes().value(QStringLiteral("width")), QStringLiteral("420mm"));
        EXPECT_EQ(xml.attributes().value(QStringLiteral("height")), QStringLiteral("297mm"));
        while (!xml.atEnd())
            xml.readNext();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_TRUE(bytes.contains("⌀105"));
    } else if (format == "Dxf") {
        EXPECT_TRUE(bytes.startsWith("0\nSECTION\n2\nHEADER\n"));
        EXPECT_TRUE(bytes.endsWith("0\nEOF\n"));
    } else if (format == "Png") {
        const QImage image = QImage::fromData(bytes, "PNG");
        ASSERT_FALSE(image.isNull());
        // A3 at 300 dpi, with the resolution written in the file.
        EXPECT_EQ(image.size(), QSize(4961, 3508));
        EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 300, 0.5);
        EXPECT_NEAR(image.dotsPerMeterY() * 0.0254, 300, 0.5);
    } else {
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        if (!havePdftotext())
            GTEST_SKIP() << "pdftotext is not installed";
        const QString text = pdfText(path);
        for (const char* expected : {"⌀105", "⌀50", "⌀30H7", "Делительный диаметр", "ГОСТ 13755-81", "Колесо зубчатое"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
}

std::string formatName(const testing::TestParamInfo<FormatCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Formats, SaveDrawing,
                         testing::Values(FormatCase{"Svg", "Рисунок SVG", "wheel", "wheel.svg"},
                                         FormatCase{"Dxf", "Чертёж DXF", "wheel", "wheel.dxf"},
                                         FormatCase{"Pdf", "Документ PDF", "wheel", "wheel.pdf"},
                                         FormatCase{"Png", "Изображение PNG", "wheel.png", "wheel.png"}),
                         formatName);

// The core lays a drawing's texts out by its own table of advances, and the
// painter draws them in DejaVu Sans italic. A table far off the font would
// squeeze the texts, or keep dimensions clear of room the text does not take.
TEST(DrawingText, TheCoresWidthsAreThoseOfTheFontItIsDrawnIn)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setItalic(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font);
    for (const char* text : {"0123456789",
                             "93,75",
                             "da = 105",
                             "df = 93,75",
                             "dст = 50",
                             "Lст = 40",
                             "δ0 = 25",
                             "f = 5×45°",
                             "bw = 20",
                             "R = 6",
                             "0,8H",
                             "Dк = 325",
                             "δр",
                             "Колесо зубчатое",
                             "Масштаб 1:2,5",
                             "Делительный диаметр",
                             "Угол наклона зубьев",
                             "Число зубьев",
                             "gearwheel 1.1.0",
                             "MW Iz",
                             "fijlmrtwsc",
                             "(−)/ 2.5",
                             "жюшщфыгз"}) {
        const double core = textWidth(text, 100);
        const double drawn = metrics.horizontalAdvance(QString::fromUtf8(text));
        EXPECT_NEAR(core / drawn, 1.0, 0.08) << text << ": core " << core << ", font " << drawn;
    }
}

// Every drawing the program shows, saved as SVG and DXF as a student saves
// it and read back by an XML parser and by ezdxf without its repairs. The
// suite runs under the C locale and again under ru_RU, where the C library
// writes a decimal comma unless the writers keep it out.
TEST(SaveDrawing, EveryDrawingReadsBackInOtherPrograms)
{
    QTemporaryDir dir;
    struct Shown {
        const char* screen;
        const char* file;
    };
    Driver app;
    std::vector<Shown> shown;
    for (const auto& [tip, module, screen] :
         {std::tuple{"105", "2.5", "vivod1"}, std::tuple{"420", "10", "vivod2"}, std::tuple{"840", "20", "vivod3"}}) {
        app.sizeWheel(tip, module);
        ASSERT_TRUE(app.isVisible(screen)) << screen;
        shown.push_back({screen, screen});
    }
    app.toHardenedResults();
    app.click("okonchanie", "Command1");
    ASSERT_TRUE(app.isVisible("vivod4"));
    shown.push_back({"vivod4", "pair"});
    for (const Shown& s : shown) {
        for (const char* suffix : {".svg", ".dxf"}) {
            app.click(s.screen, "Command2");
            const QString path = dir.filePath(QString::fromLatin1(s.file) + QLatin1String(suffix));
            saveAs(app.screen(s.screen), "saveDrawing", path);
            ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
            EXPECT_EQ(app.refusal(), nullptr);
        }
    }
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QStringLiteral(GEAR_PYTHON), {QStringLiteral(GEAR_DRAWING_CHECK), dir.path()});
    ASSERT_TRUE(check.waitForFinished(120000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}

TEST(SaveDrawing, TheTransmissionDrawingCarriesBothGears)
{
    if (!havePdftotext())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    Driver app;
    app.toHardenedResults();
    app.click("okonchanie", "Command1");
    ASSERT_TRUE(app.isVisible("vivod4"));
    app.click("vivod4", "Command2");
    const QString path = dir.filePath(QStringLiteral("pair.pdf"));
    saveAs(app.screen("vivod4"), "saveDrawing", path);
    const QString text = pdfText(path);
    for (const char* expected : {"⌀55", "⌀50", "⌀43.75", "⌀205", "⌀200", "⌀193.75", "125", "Шестерня", "ГОСТ 13755-81"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST(SaveDrawing, AFolderThatCannotBeWrittenIsSaidAndLeavesNoFile)
{
    QTemporaryDir dir;
    Driver app;
    app.sizeWheel("105", "2.5");
    app.click("vivod1", "Command2");
    const QString path = dir.filePath(QStringLiteral("no such folder/wheel.svg"));
    saveAs(app.screen("vivod1"), "saveDrawing", path);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(app.answerRefusal().startsWith(QStringLiteral("Не удалось создать файл")));
    EXPECT_TRUE(app.isVisible("vivod1")) << "the drawing stays on screen";
    EXPECT_EQ(app.caption("vivod1", "Label7"), QStringLiteral("105"));
}

TEST(AtomicWrite, AWriteThatFailsHalfwayLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wheel.svg"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the drawing of yesterday");
    }
    const QString failure = ui::writeAtomically(path, [](QIODevice& device) {
        device.write("half a drawi");
        return false; // the disk filled up
    });
    EXPECT_TRUE(failure.contains(QStringLiteral("Файл не сохранён"))) << failure.toStdString();
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the drawing of yesterday"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("wheel.svg")}) << "no leftovers";
}

TEST(Report, OnePdfWithEachModesInputsWalkthroughResultsAndDrawing)
{
    if (!havePdftotext())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    Driver app;
    app.toHardenedResults();
    app.menu("mnuProv");
    for (const char* screen : {"trebov2", "BNormal2", "stal2"}) {
        app.choose(screen, "Option2");
        app.click(screen, "Command1");
    }
    app.type("Vvod3", "Text1", QStringLiteral("240"));
    app.type("Vvod3", "Text2", QStringLiteral("60"));
    app.type("Vvod3", "Text4", QStringLiteral("40"));
    app.click("Vvod3", "Command1");
    ASSERT_TRUE(app.isVisible("result"));
    app.sizeWheel("105", "2.5");
    QWidget& main = app.program().mainWindow();
    app.menu("mnuReport");
    auto* author = main.findChild<QDialog*>(QStringLiteral("reportAuthor"));
    ASSERT_NE(author, nullptr);
    author->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Иванов И. И."));
    author->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("МТ-31"));
    author->findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("7"));
    author->accept();
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    saveAs(&main, "saveReport", path);
    ASSERT_TRUE(QFile::exists(path));
    const QString text = pdfText(path);
    for (const char* expected : {"Иванов И. И.",
                                 "МТ-31",
                                 "Вариант",
                                 "gearwheel",
                                 "Исходные данные",
                                 "Ход расчёта",
                                 "Делительный диаметр",
                                 "93.75",
                                 "da = 105",
                                 "dст = 50",
                                 "Lст = 40",
                                 "Исходные данные передачи",
                                 "Вращающий момент на валу шестерни T1",
                                 "Исходные данные проверки",
                                 "Делительный диаметр d",
                                 "Сталь 45",
                                 "Проверка прочности",
                                 "Содержание",
                                 "Заключение",
                                 "Сконструировано зубчатое колесо",
                                 "Список использованных источников",
                                 "ДМ.7.000 ПЗ",
                                 "Разраб."})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    // The contents give each section's sheet: the first mode's begins on
    // the third (title page, contents), the conclusions later.
    const QRegularExpression wheelLine(QStringLiteral("Колесо\\s+(\\d+)"));
    const QRegularExpression conclusionsLine(QStringLiteral("Заключение\\s+(\\d+)"));
    const QRegularExpressionMatch wheelMatch = wheelLine.match(text);
    const QRegularExpressionMatch conclusionsMatch = conclusionsLine.match(text);
    const QRegularExpressionMatch firstMatch = QRegularExpression(QStringLiteral("Передача\\s+(\\d+)")).match(text);
    ASSERT_TRUE(firstMatch.hasMatch() && wheelMatch.hasMatch() && conclusionsMatch.hasMatch()) << text.toStdString();
    EXPECT_EQ(firstMatch.captured(1).toInt(), 3);
    EXPECT_GT(wheelMatch.captured(1).toInt(), 3);
    EXPECT_GT(conclusionsMatch.captured(1).toInt(), wheelMatch.captured(1).toInt());
    // pdftotext puts a page break between sheets: the section stands on the sheet its line says.
    const QStringList sheets = text.split(QChar(0x0C));
    ASSERT_GT(sheets.size(), conclusionsMatch.captured(1).toInt());
    EXPECT_TRUE(sheets[conclusionsMatch.captured(1).toInt() - 1].contains(QStringLiteral("Сконструировано")));

    // The same note as OpenDocument text, which a word processor opens.
    const QString odt = dir.filePath(QStringLiteral("report.odt"));
    EXPECT_TRUE(ui::writeReportOdt(app.state(),
                                   {QStringLiteral("Иванов И. И."), QStringLiteral("МТ-31"), QStringLiteral("7")}, odt)
                    .isEmpty());
    if (!QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty()) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QStringLiteral("content.xml")});
        ASSERT_TRUE(unzip.waitForFinished(20000));
        const QString content = QString::fromUtf8(unzip.readAllStandardOutput());
        for (const char* expected : {"Содержание", "Заключение", "Сконструировано зубчатое колесо", "Ход расчёта",
                                     "Иванов И. И.", "draw:image"})
            EXPECT_TRUE(content.contains(QString::fromUtf8(expected))) << expected;
    }

    // The author is asked once a session: the next report goes straight to the file.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app.menu("mnuReport");
    EXPECT_EQ(main.findChild<QDialog*>(QStringLiteral("reportAuthor")), nullptr);
    saveAs(&main, "saveReport", dir.filePath(QStringLiteral("again.pdf")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("again.pdf"))));
}

// Each save dialog proposes a name for what it saves, and the drawing's
// follows the type chosen.
TEST(SaveDialogs, ProposeTheNameOfWhatTheySave)
{
    const auto proposed = [](QWidget* owner, const char* dialogName) {
        auto* dialog = owner->findChild<QFileDialog*>(QString::fromLatin1(dialogName));
        return dialog && !dialog->selectedFiles().isEmpty() ? QFileInfo(dialog->selectedFiles().front()).fileName()
                                                            : QString();
    };
    Driver app;
    app.sizeWheel("105", "2.5");
    app.click("vivod1", "Command2");
    EXPECT_EQ(proposed(app.screen("vivod1"), "saveDrawing"), QStringLiteral("Колесо.svg"));
    auto* drawing = app.screen("vivod1")->findChild<QFileDialog*>(QStringLiteral("saveDrawing"));
    for (const QString& filter : drawing->nameFilters()) {
        if (filter.startsWith(QStringLiteral("Чертёж DXF")))
            drawing->selectNameFilter(filter);
    }
    EXPECT_EQ(proposed(app.screen("vivod1"), "saveDrawing"), QStringLiteral("Колесо.dxf"));
    drawing->reject();

    app.toHardenedResults();
    app.click("okonchanie", "Command1");
    app.click("vivod4", "Command2");
    EXPECT_EQ(proposed(app.screen("vivod4"), "saveDrawing"), QStringLiteral("Передача.svg"));
    app.screen("vivod4")->findChild<QFileDialog*>(QStringLiteral("saveDrawing"))->reject();

    QWidget& main = app.program().mainWindow();
    app.menu("mnuReport");
    auto* author = main.findChild<QDialog*>(QStringLiteral("reportAuthor"));
    ASSERT_NE(author, nullptr);
    author->accept();
    EXPECT_EQ(proposed(&main, "saveReport"), QStringLiteral("Отчёт.pdf"));
    main.findChild<QFileDialog*>(QStringLiteral("saveReport"))->reject();
}

} // namespace
} // namespace gear::test
