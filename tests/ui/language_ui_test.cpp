// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "geometry/drawing.h"
#include "shell/screen_id.h"
#include "ui/drawing_view.h"
#include "ui/report.h"
#include "ui/screen.h"
#include "ui/screens.h"
#include "ui/translation.h"
#include "ui/walkthrough_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace gear::test {
namespace {

bool hasCyrillic(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x052F)
            return true;
    }
    return false;
}

// The program in the language it takes for `locale`, for one test; Russian
// again after it, as the other tests expect.
class InLanguage {
public:
    explicit InLanguage(const QLocale& locale) : m_english(ui::installTranslations(locale)) {}
    ~InLanguage() { ui::installTranslations(QLocale::c()); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

    bool english() const { return m_english; }

private:
    bool m_english;
};

// What a student can read on a window, and the names its controls carry.
struct Window {
    QStringList texts;
    QStringList names;
};

Window readWindow(QWidget* window)
{
    Window read;
    read.texts << window->windowTitle() << window->toolTip();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            read.names << widget->objectName();
        read.texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            read.texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            read.texts << button->text();
        else if (auto* field = qobject_cast<QLineEdit*>(widget))
            read.texts << field->text() << field->placeholderText();
        else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                read.texts << list->itemText(i);
        } else if (auto* page = qobject_cast<QTextEdit*>(widget))
            read.texts << page->toPlainText();
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            read.texts << menu->title();
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->objectName().isEmpty())
            read.names << action->objectName();
        read.texts << action->text() << action->toolTip();
    }
    if (auto* box = qobject_cast<QMessageBox*>(window))
        read.texts << box->text() << box->informativeText();
    read.names.sort();
    return read;
}

QWidget* shownWindow(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// One session that opens every screen with something on it, a refusal and
// the file, exit, report and drawing dialogs, reading each as it stands.
class Tour {
public:
    QMap<QString, Window> windows;
    QStringList drawingTexts;
    QString walkthrough;
    QString report;

    void take()
    {
        Driver app;
        read(&app.program().mainWindow());
        passes(app);
        // The one refusal of the tour: a wheel without its tip diameter.
        app.menu("mnuKol");
        app.type("Vvod", "Text5", QString());
        app.click("Vvod", "Command1");
        ASSERT_NE(app.refusal(), nullptr);
        read(app.refusal());
        app.answerRefusal();
        // No module taken: the error screen.
        app.menu("mnuKol");
        app.type("Vvod", "Text5", QStringLiteral("105"));
        app.click("Vvod", "Command1");
        app.click("Vibor", "Command1");
        ASSERT_TRUE(app.isVisible("oshibka1"));

        for (int id = 0; id < kScreenCount; ++id)
            app.program().screens().load(static_cast<ScreenId>(id));
        for (int id = 0; id < kScreenCount; ++id)
            read(app.program().screens().find(static_cast<ScreenId>(id)));
        for (const char* sketch : {"vivod1", "vivod2", "vivod3", "vivod4"}) {
            if (const auto drawing = app.control<ui::DrawingView>(sketch, "Image1")->paperDrawing()) {
                for (const Text& text : drawing->texts)
                    drawingTexts << QString::fromStdString(text.content);
                for (const Annotation& note : drawing->annotations)
                    drawingTexts << QString::fromStdString(note.text.content);
            }
        }
        walkthrough = ui::walkthroughText(app.state());
        report =
            ui::reportDocument(app.state(), {QStringLiteral("Ivanov"), QStringLiteral("MT-31"), QStringLiteral("7")},
                               QDate(2026, 1, 1))
                ->toPlainText();
        dialogs(app);
    }

private:
    void read(QWidget* window)
    {
        ASSERT_NE(window, nullptr);
        windows.insert(window->objectName(), readWindow(window));
    }

    void passes(Driver& app)
    {
        app.toHardenedResults();
        app.click("okonchanie", "Command1");
        ASSERT_TRUE(app.isVisible("vivod4"));
        for (const auto& [tip, module] : {std::pair{"105", "2.5"}, {"420", "10.0"}, {"840", "20.0"}}) {
            app.sizeWheel(tip, module);
        }
        ASSERT_TRUE(app.isVisible("vivod3"));
        app.menu("mnuProv");
        app.choose("trebov2", "Option2");
        app.click("trebov2", "Command1");
        app.choose("BNormal2", "Option2");
        app.click("BNormal2", "Command1");
        app.choose("stal2", "Option2");
        app.click("stal2", "Command1");
        app.type("Vvod3", "Text1", QStringLiteral("240"));
        app.type("Vvod3", "Text2", QStringLiteral("60"));
        app.type("Vvod3", "Text4", QStringLiteral("40"));
        app.click("Vvod3", "Command1");
        ASSERT_TRUE(app.isVisible("result"));
        app.menu("mnuSteps");
        app.menu("mnuParam");
        app.menu("mnuProg");
    }

    void dialogs(Driver& app)
    {
        // Unsaved work: leaving asks to save it first.
        app.menu("mnuExit");
        read(shownWindow("saveChanges"));
        app.answerRefusal();
        // Opening another file asks too; not saving leads to the file dialog.
        app.menu("mnuOpen");
        auto* question = qobject_cast<QMessageBox*>(shownWindow("saveChanges"));
        ASSERT_NE(question, nullptr);
        question->button(QMessageBox::Discard)->click();
        read(shownWindow("fileDialog"));
        shownWindow("fileDialog")->close();
        app.menu("mnuReport");
        auto* author = app.program().mainWindow().findChild<QDialog*>(QStringLiteral("reportAuthor"));
        ASSERT_NE(author, nullptr);
        read(author);
        author->reject();
        app.program().screens().open(ScreenId::vivod1);
        app.click("vivod1", "Command2");
        auto* save = app.screen("vivod1")->findChild<QDialog*>(QStringLiteral("saveDrawing"));
        ASSERT_NE(save, nullptr);
        read(save);
        save->reject();
    }
};

TEST(English, EveryScreenAndDialogSpeaksEnglishUnderTheRussianNames)
{
    Tour russian;
    russian.take();
    Tour english;
    {
        const InLanguage language(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(language.english());
        english.take();
    }
    // Every screen, the main window, the refusal and the five dialogs.
    EXPECT_EQ(english.windows.size(), kScreenCount + 6);
    EXPECT_EQ(english.windows.keys(), russian.windows.keys());
    for (auto window = english.windows.cbegin(); window != english.windows.cend(); ++window) {
        EXPECT_EQ(window->names, russian.windows.value(window.key()).names) << window.key().toStdString();
        for (const QString& text : window->texts)
            EXPECT_FALSE(hasCyrillic(text)) << window.key().toStdString() << ": " << text.toStdString();
    }
    for (const QString& text : english.drawingTexts)
        EXPECT_FALSE(hasCyrillic(text)) << "drawing: " << text.toStdString();
    EXPECT_FALSE(hasCyrillic(english.walkthrough)) << english.walkthrough.toStdString();
    EXPECT_FALSE(hasCyrillic(english.report)) << english.report.toStdString();
    EXPECT_TRUE(english.walkthrough.contains(QStringLiteral("Design calculation of the gear pair")));
    EXPECT_TRUE(hasCyrillic(russian.walkthrough));
}

struct Language {
    const char* locale;
    bool english;
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.locale;
}

class LocaleRule : public testing::TestWithParam<Language> {};

TEST_P(LocaleRule, OnlyAnEnglishLocaleGetsTheEnglishProgram)
{
    const InLanguage language{QLocale(QString::fromLatin1(GetParam().locale))};
    EXPECT_EQ(language.english(), GetParam().english);
    EXPECT_EQ(ui::speaksEnglish(), GetParam().english);
    EXPECT_EQ(static_cast<bool>(ui::coreTranslator()), GetParam().english);
    Driver app;
    app.menu("mnuKol");
    if (GetParam().english) {
        EXPECT_EQ(app.screen("Nachalo")->windowTitle(), QStringLiteral("Gear Wheel Calculation[*]"));
        EXPECT_EQ(app.screen("Vvod")->windowTitle(), QStringLiteral("Input data"));
    } else {
        EXPECT_EQ(app.screen("Nachalo")->windowTitle(), QStringLiteral("Расчёт зубчатого колеса[*]"));
        EXPECT_EQ(app.screen("Vvod")->windowTitle(), QStringLiteral("Ввод исходных данных"));
        EXPECT_EQ(ui::translated(Message("refusal", "Число зубьев Z слишком велико.")),
                  QStringLiteral("Число зубьев Z слишком велико."));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleRule,
                         testing::Values(Language{"C", false}, Language{"de_DE", false}, Language{"ru_RU", false},
                                         Language{"uk_UA", false}, Language{"en_US", true}, Language{"en_GB", true},
                                         Language{"en_IN", true}),
                         [](const testing::TestParamInfo<Language>& info) { return std::string(info.param.locale); });

// The language the program took at start from the desktop's locale, when
// the run says which it should be (GEAR_EXPECTED_LANGUAGE=en or ru, with
// LANG set to match).
TEST(Language, FollowsTheLocaleItStartsIn)
{
    const QByteArray expected = qgetenv("GEAR_EXPECTED_LANGUAGE");
    if (expected.isEmpty())
        GTEST_SKIP() << "GEAR_EXPECTED_LANGUAGE is not set";
    EXPECT_EQ(ui::speaksEnglish(), expected == "en") << qPrintable(QLocale::system().name());
    Driver app;
    EXPECT_EQ(app.screen("Nachalo")->windowTitle(), expected == "en" ? QStringLiteral("Gear Wheel Calculation[*]")
                                                                     : QStringLiteral("Расчёт зубчатого колеса[*]"));
}

} // namespace
} // namespace gear::test
