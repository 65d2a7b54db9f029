// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's screens offscreen into PNG files: a full pass of each
// mode with the course's worked numbers, every screen along the way. The
// README's pictures come from it, and the PDF files of a drawing and of a
// report, which pdftoppm turns into the README's pictures of them.
#include "ui/screens.h"
#include "geometry/wheel_drawing.h"
#include "ui/application.h"
#include "ui/drawing_export.h"
#include "ui/number_display.h"
#include "ui/report.h"
#include "ui/screen.h"
#include "ui/translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdio>

namespace {

class Gallery {
public:
    Gallery(gear::ui::Program& program, const QDir& folder) : m_program(program), m_folder(folder) {}

    QWidget& screen(const char* name)
    {
        if (QString::fromLatin1(name) == QStringLiteral("Nachalo"))
            return m_program.mainWindow();
        if (const auto id = gear::screenByName(name))
            return m_program.screens().load(*id);
        std::fprintf(stderr, "no screen %s\n", name);
        std::exit(1);
    }
    template <class T>
    T& control(const char* screenName, const char* name)
    {
        T* found = screen(screenName).findChild<T*>(QString::fromLatin1(name));
        if (!found) {
            std::fprintf(stderr, "no %s.%s\n", screenName, name);
            std::exit(1);
        }
        return *found;
    }
    void menu(const char* action) { control<QAction>("Nachalo", action).trigger(); }
    void click(const char* screenName, const char* button) { control<QAbstractButton>(screenName, button).click(); }
    void mark(const char* screenName, const char* option)
    {
        control<QRadioButton>(screenName, option).setChecked(true);
    }
    void type(const char* screenName, const char* field, const char* text)
    {
        control<QLineEdit>(screenName, field).setText(QString::fromUtf8(text));
    }
    void pick(const char* screenName, const char* combo, const char* text)
    {
        control<QComboBox>(screenName, combo).setEditText(QString::fromUtf8(text));
    }
    void pickIndex(const char* screenName, const char* combo, int index)
    {
        control<QComboBox>(screenName, combo).setCurrentIndex(index);
    }
    void save(const char* screenName, const QString& file = {}) { saveWidget(screen(screenName), file); }
    void saveWidget(QWidget& widget, const QString& file)
    {
        widget.show();
        QApplication::processEvents();
        const QString path = m_folder.filePath((file.isEmpty() ? widget.objectName() : file) + QStringLiteral(".png"));
        if (!widget.grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }

private:
    gear::ui::Program& m_program;
    QDir m_folder;
};

void transmissionPass(Gallery& g)
{
    g.menu("mnuPer");
    g.mark("ATverd", "Option5");
    g.save("ATverd");
    g.click("ATverd", "Command1");
    g.mark("Czakalka2", "Option3");
    g.save("Czakalka2");
    g.click("Czakalka2", "Command1");
    g.mark("stal4", "Option1");
    g.save("stal4");
    g.click("stal4", "Command1");
    g.type("Vvod2", "Text1", "20");
    g.type("Vvod2", "Text3", "100");
    g.pick("Vvod2", "Combo1", "4.0");
    g.save("Vvod2");
    g.click("Vvod2", "Command1");
    g.pick("Vibor", "Combo1", "2.5");
    g.save("Vibor");
    g.click("Vibor", "Command1");
    g.pickIndex("okon", "Combo1", 21);
    g.save("okon");
    g.click("okon", "Command1");
    g.save("okonchanie");
    g.click("okonchanie", "Command1");
    g.save("vivod4");
    g.menu("mnuSteps");
    g.save("hodRascheta");
    // The self-check with a student's values: right, a slip, a line right
    // from the slip, and one left to do.
    g.click("hodRascheta", "Command3");
    g.type("hodRascheta", "Self1", "59,5");
    g.type("hodRascheta", "Self2", "60");
    g.type("hodRascheta", "Self3", "1,2");
    g.type("hodRascheta", "Self4", "1211,5");
    g.type("hodRascheta", "Self5", "1220");
    g.type("hodRascheta", "Self6", "950");
    g.click("hodRascheta", "Command4");
    g.save("hodRascheta", QStringLiteral("selfcheck"));
    g.click("hodRascheta", "Command3");
    g.screen("hodRascheta").hide();
}

// A refusal, to see Qt's own button in the program's language.
void refusal(Gallery& g)
{
    g.menu("mnuKol");
    g.type("Vvod", "Text5", "");
    g.click("Vvod", "Command1");
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName() == QStringLiteral("refusal")) {
            g.saveWidget(*widget, QStringLiteral("refusal"));
            widget->close();
        }
    }
}

void wheelPass(Gallery& g, const char* tip, const char* module, const char* sketch)
{
    g.menu("mnuKol");
    g.type("Vvod", "Text1", "40");
    g.type("Vvod", "Text2", "");
    g.type("Vvod", "Text4", "30");
    g.type("Vvod", "Text5", tip);
    g.type("Vvod", "Text6", "20");
    g.type("Vvod", "Text7", "40");
    g.save("Vvod");
    g.click("Vvod", "Command1");
    g.pick("Vibor", "Combo1", module);
    g.click("Vibor", "Command1");
    g.save(sketch);
}

void checkPass(Gallery& g)
{
    g.menu("mnuProv");
    g.mark("trebov2", "Option2");
    g.save("trebov2");
    g.click("trebov2", "Command1");
    g.mark("BNormal2", "Option2");
    g.save("BNormal2");
    g.click("BNormal2", "Command1");
    g.mark("stal2", "Option2");
    g.save("stal2");
    g.click("stal2", "Command1");
    g.type("Vvod3", "Text1", "240");
    g.type("Vvod3", "Text2", "60");
    g.type("Vvod3", "Text4", "40");
    g.save("Vvod3");
    g.click("Vvod3", "Command1");
    g.save("result");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gear::ui::setUpApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screens FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));

    gear::ui::Program program;
    Gallery gallery(program, folder);
    gallery.save("Nachalo");
    transmissionPass(gallery);
    wheelPass(gallery, "105", "2.5", "vivod1");
    wheelPass(gallery, "420", "10.0", "vivod2");
    gear::DrawingTarget paper;
    paper.decimalSeparator = gear::ui::decimalSeparator();
    paper.translate = gear::ui::coreTranslator();
    const QString drawingFailure =
        gear::ui::writeDrawing(*gear::modeDrawing(program.state(), gear::Mode::Wheel, paper),
                               folder.filePath(QStringLiteral("drawing.pdf")), gear::ui::DrawingFormat::Pdf);
    wheelPass(gallery, "840", "20.0", "vivod3");
    checkPass(gallery);
    const gear::ui::ReportAuthor author{QStringLiteral("Иванов Иван Иванович"), QStringLiteral("МТ-31"),
                                        QStringLiteral("7")};
    const QString reportFailure =
        gear::ui::writeReportPdf(program.state(), author, folder.filePath(QStringLiteral("report.pdf")));
    refusal(gallery);
    for (const char* name : {"stal1", "stal3", "stal5", "oshibka1", "vihod", "info"})
        gallery.save(name);
    gallery.menu("mnuParam");
    gallery.save("nastroyka");
    for (const QString& failure : {drawingFailure, reportFailure}) {
        if (!failure.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(failure));
    }
    return 0;
}
