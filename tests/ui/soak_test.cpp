// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sessions: whatever is on screen gets clicked, typed into,
// closed and answered, with texts a careless or hostile student might type.
// After every event the program must still be sound.
#include "driver.h"

#include "ui/screen.h"
#include "ui/screens.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace gear::test {
namespace {

const QStringList& hostileTexts()
{
    static const QStringList texts{
        QString(),
        QStringLiteral("   "),
        QStringLiteral("0"),
        QStringLiteral("-5"),
        QStringLiteral("-0.5"),
        QStringLiteral("1e308"),
        QStringLiteral("1e309"),
        QStringLiteral("-1e-320"),
        QStringLiteral("nan"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("4,5"),
        QStringLiteral("abc"),
        QString(10000, QLatin1Char('7')),
        QStringLiteral("сорок"),
        QStringLiteral("🙂⚙"),
        QStringLiteral("2.5"),
        QStringLiteral("20"),
        QStringLiteral("100"),
        QStringLiteral("4"),
        QStringLiteral("12"),
        QStringLiteral("105"),
        QStringLiteral("240"),
        QStringLiteral("600"),
        QStringLiteral("40"),
        QStringLiteral("60"),
        QStringLiteral("30"),
        QStringLiteral("89.999"),
        QStringLiteral("90"),
        QStringLiteral("1e-300"),
        QStringLiteral("0.0001"),
        QStringLiteral("3 000"),
        QStringLiteral("16.0"),
    };
    return texts;
}

// Texts that move a chain on, so that the sessions reach its last screens.
const QStringList& usefulTexts()
{
    static const QStringList texts{QStringLiteral("20"),  QStringLiteral("2.5"), QStringLiteral("100"),
                                   QStringLiteral("4"),   QStringLiteral("105"), QStringLiteral("30"),
                                   QStringLiteral("40"),  QStringLiteral("240"), QStringLiteral("700"),
                                   QStringLiteral("300"), QStringLiteral("10"),  QString()};
    return texts;
}

const char* const kMenu[] = {"mnuKol", "mnuPer", "mnuProv", "mnuExit", "mnuProg", "mnuParam", "mnuSteps", "mnuReport"};

// Remembers the window shown last.
class ShowWatcher final : public QObject {
public:
    ShowWatcher() { qApp->installEventFilter(this); }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }
    QWidget* last() const { return m_last; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
                m_last = widget;
        }
        return false;
    }

private:
    QPointer<QWidget> m_last;
};

class Soak {
public:
    explicit Soak(unsigned seed) : m_seed(seed), m_random(seed) {}

    // Plays `events` events; returns the first broken rule, if any.
    QString play(int events)
    {
        for (m_event = 0; m_event < events; ++m_event) {
            step();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (QString broken = check(); !broken.isEmpty())
                return QStringLiteral("seed %1, event %2 (%3): %4").arg(m_seed).arg(m_event).arg(m_last, broken);
        }
        return {};
    }

    // Which screens the session reached, so a run that never gets past the
    // first screens shows up as such.
    size_t screensReached() const { return m_loaded.size(); }
    std::string screensMissed() const
    {
        std::string missed;
        for (int i = 0; i < kScreenCount; ++i) {
            if (!m_loaded.count(static_cast<ScreenId>(i)))
                missed += std::string(screenName(static_cast<ScreenId>(i))) + ' ';
        }
        return missed;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    std::vector<QWidget*> visibleScreens()
    {
        std::vector<QWidget*> shown;
        for (int i = 0; i < kScreenCount; ++i) {
            QWidget* screen = m_app.program().screens().find(static_cast<ScreenId>(i));
            if (screen && screen->isVisible())
                shown.push_back(screen);
        }
        return shown;
    }

    void step()
    {
        // The print and file dialogs are Qt's own, and the report's question
        // of its author asks for no calculation: the student cancels them.
        static const QStringList dialogs{QStringLiteral("printDialog"), QStringLiteral("saveDrawing"),
                                         QStringLiteral("saveReport"), QStringLiteral("reportAuthor"),
                                         QStringLiteral("openSelfCheck")};
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && dialogs.contains(widget->objectName())) {
                m_last = widget->objectName() + QStringLiteral(" cancelled");
                static_cast<QDialog*>(widget)->reject();
                return;
            }
        }
        if (QMessageBox* box = m_app.refusal(); box && pick(2) == 0) {
            m_last = QStringLiteral("answer \"%1\"").arg(box->text());
            m_app.answerRefusal();
            return;
        }
        const std::vector<QWidget*> screens = visibleScreens();
        if (screens.empty() || pick(12) == 0) {
            const char* action = kMenu[pick(static_cast<int>(std::size(kMenu)))];
            m_last = QString::fromLatin1(action);
            m_app.menu(action);
            return;
        }
        // Mostly the screen just opened, as a student works; now and then any.
        QWidget* screen = screens[static_cast<size_t>(pick(static_cast<int>(screens.size())))];
        if (QWidget* recent = m_shown.last();
            recent && pick(4) != 0 && std::find(screens.begin(), screens.end(), recent) != screens.end())
            screen = recent;
        const QString name = screen->objectName();
        switch (pick(6)) {
        case 0:
        case 1: { // a button, but never the final "Да"
            QList<QPushButton*> buttons = screen->findChildren<QPushButton*>();
            buttons.removeIf([&](QPushButton* b) {
                return name == QStringLiteral("vihod") && b->objectName() == QStringLiteral("Command1");
            });
            buttons.removeIf([](QPushButton* b) { return !b->isVisible(); });
            if (buttons.isEmpty())
                return;
            QPushButton* button = buttons[pick(static_cast<int>(buttons.size()))];
            m_last = name + QLatin1Char('.') + button->objectName();
            button->click();
            return;
        }
        case 2: { // a text typed
            const QStringList& corpus = pick(2) == 0 ? hostileTexts() : usefulTexts();
            const QString text = corpus[pick(static_cast<int>(corpus.size()))];
            QList<QLineEdit*> fields = screen->findChildren<QLineEdit*>();
            fields.removeIf([](QLineEdit* f) { return !f->isVisible(); });
            if (fields.isEmpty())
                return;
            QLineEdit* field = fields[pick(static_cast<int>(fields.size()))];
            m_last = QStringLiteral("%1.%2 := \"%3\"").arg(name, field->objectName(), text.left(20));
            field->setText(text);
            return;
        }
        case 3: { // an option marked
            const QList<QRadioButton*> options = screen->findChildren<QRadioButton*>();
            if (options.isEmpty())
                return;
            QRadioButton* option = options[pick(static_cast<int>(options.size()))];
            m_last = name + QLatin1Char('.') + option->objectName();
            option->setChecked(true);
            return;
        }
        case 4: { // a list item chosen, or a value typed into a list
            const QList<QComboBox*> lists = screen->findChildren<QComboBox*>();
            if (lists.isEmpty())
                return;
            QComboBox* list = lists[pick(static_cast<int>(lists.size()))];
            if (list->isEditable() && pick(3) == 0) {
                const QStringList& corpus = pick(2) == 0 ? hostileTexts() : usefulTexts();
                const QString text = corpus[pick(static_cast<int>(corpus.size()))];
                m_last = QStringLiteral("%1.%2 typed \"%3\"").arg(name, list->objectName(), text.left(20));
                list->setEditText(text);
            } else {
                const int index = pick(list->count() + 1) - 1;
                m_last = QStringLiteral("%1.%2 item %3").arg(name, list->objectName()).arg(index);
                list->setCurrentIndex(index);
            }
            return;
        }
        default: // the frame's close button
            m_last = name + QStringLiteral(" closed");
            screen->close();
            return;
        }
    }

    QString check()
    {
        static const QRegularExpression notANumber(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                                   QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression number(QStringLiteral("\\d[\\d.,]*"));
        auto badText = [&](const QString& text) -> QString {
            if (notANumber.match(text).hasMatch())
                return QStringLiteral("shows \"%1\"").arg(text);
            for (auto match = number.globalMatch(text); match.hasNext();) {
                QString digits = match.next().captured();
                digits.remove(QLatin1Char('.')).remove(QLatin1Char(','));
                while (digits.startsWith(QLatin1Char('0')))
                    digits.remove(0, 1);
                if (digits.size() > 15)
                    return QStringLiteral("shows more than 15 digits: \"%1\"").arg(text);
            }
            return {};
        };
        ui::Screens& screens = m_app.program().screens();
        for (int i = 0; i < kScreenCount; ++i) {
            const auto id = static_cast<ScreenId>(i);
            QWidget* screen = screens.find(id);
            if (!screen) {
                if (m_loaded.count(id))
                    return QStringLiteral("%1 was unloaded").arg(QString::fromLatin1(screenName(id).data()));
                continue;
            }
            m_loaded.insert(id);
            for (QLabel* label : screen->findChildren<QLabel*>()) {
                if (QString bad = badText(label->text()); !bad.isEmpty())
                    return screen->objectName() + QLatin1Char('.') + label->objectName() + QLatin1Char(' ') + bad;
            }
            for (QTextBrowser* page : screen->findChildren<QTextBrowser*>()) {
                if (QString bad = badText(page->toPlainText()); !bad.isEmpty())
                    return screen->objectName() + QStringLiteral(" page ") + bad.left(200);
            }
            for (QComboBox* list : screen->findChildren<QComboBox*>()) {
                for (int item = 0; item < list->count(); ++item) {
                    if (QString bad = badText(list->itemText(item)); !bad.isEmpty())
                        return screen->objectName() + QLatin1Char('.') + list->objectName() + QLatin1Char(' ') + bad;
                }
            }
        }
        if (!allFinite(m_app.state()))
            return QStringLiteral("the state holds a number that is not finite");
        if (QWidget* drawing = screens.find(ScreenId::vivod4)) {
            int visible = 0;
            for (const char* picture : {"Image1", "Image2", "Image3"})
                visible += drawing->findChild<QWidget*>(QString::fromLatin1(picture))->isVisibleTo(drawing) ? 1 : 0;
            if (visible > 1)
                return QStringLiteral("vivod4 shows %1 pictures").arg(visible);
        }
        const std::pair<const char*, std::pair<const char*, int>> lists[] = {
            {"Vibor", {"Combo1", 13}}, {"Vibor", {"Combo2", 12}}, {"okon", {"Combo1", 30}}};
        for (const auto& [screen, list] : lists) {
            const int count = static_cast<int>(m_app.items(screen, list.first).size());
            if (count != list.second)
                return QStringLiteral("%1.%2 holds %3 items")
                    .arg(QString::fromLatin1(screen), QString::fromLatin1(list.first))
                    .arg(count);
        }
        if (m_app.screen("Vvod2")) {
            const int ratios = static_cast<int>(m_app.items("Vvod2", "Combo1").size());
            if (ratios != 0 && ratios != 22)
                return QStringLiteral("Vvod2.Combo1 holds %1 items").arg(ratios);
        }
        return {};
    }

    unsigned m_seed;
    std::mt19937 m_random;
    Driver m_app;
    ShowWatcher m_shown;
    std::set<ScreenId> m_loaded;
    int m_event = 0;
    QString m_last;
};

class RandomSession : public testing::TestWithParam<unsigned> {};

TEST_P(RandomSession, LeavesTheProgramSound)
{
    Soak soak(GetParam());
    const QString broken = soak.play(3000);
    EXPECT_TRUE(broken.isEmpty()) << broken.toStdString();
    EXPECT_GE(soak.screensReached(), 18U) << "seed " << GetParam() << " never reached " << soak.screensMissed();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, testing::Values(1u, 2u),
                         [](const testing::TestParamInfo<unsigned>& info) {
                             return "seed" + std::to_string(info.param);
                         });

// Replays one session: GEAR_SOAK_SEED=7 GEAR_SOAK_EVENTS=20000 ui_tests
// --gtest_filter='*Replay*'.
TEST(RandomSessionReplay, PlaysTheSeedGiven)
{
    const QByteArray seed = qgetenv("GEAR_SOAK_SEED");
    if (seed.isEmpty())
        GTEST_SKIP() << "set GEAR_SOAK_SEED to replay a session";
    const int events =
        qEnvironmentVariableIsSet("GEAR_SOAK_EVENTS") ? qEnvironmentVariableIntValue("GEAR_SOAK_EVENTS") : 5000;
    Soak soak(seed.toUInt());
    const QString broken = soak.play(events);
    EXPECT_TRUE(broken.isEmpty()) << broken.toStdString();
}

} // namespace
} // namespace gear::test
