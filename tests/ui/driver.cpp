// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "ui/screen.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace gear::test {

namespace {

// Message boxes in the order they were shown. When two are open (a test can
// reach a menu a modal box would hide) the one on top is the last shown; a
// walk over allWidgets() would pick one in pointer order, differently each run.
class ShownBoxes final : public QObject {
public:
    ShownBoxes() { qApp->installEventFilter(this); }
    QMessageBox* top() const
    {
        for (auto box = m_boxes.rbegin(); box != m_boxes.rend(); ++box) {
            if (*box && (*box)->isVisible())
                return *box;
        }
        return nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                m_boxes.removeIf([box](const QPointer<QMessageBox>& b) { return !b || b == box; });
                m_boxes.append(box);
            }
        }
        return false;
    }

private:
    QList<QPointer<QMessageBox>> m_boxes;
};

ShownBoxes& shownBoxes()
{
    static ShownBoxes* const shown = new ShownBoxes;
    return *shown;
}

} // namespace

Driver::Driver() : m_program(std::make_unique<ui::Program>())
{
    shownBoxes();
    m_program->mainWindow().show();
}

Driver::~Driver()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            box->close();
    }
    m_program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* Driver::screen(const char* name) const
{
    const QString wanted = QString::fromLatin1(name);
    if (wanted == QStringLiteral("Nachalo"))
        return &m_program->mainWindow();
    const std::optional<ScreenId> id = screenByName(name);
    return id ? m_program->screens().find(*id) : nullptr;
}

bool Driver::isVisible(const char* screenName) const
{
    QWidget* widget = screen(screenName);
    return widget && widget->isVisible();
}

void Driver::menu(const char* action)
{
    auto* item = m_program->mainWindow().findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_NE(item, nullptr) << action;
    item->trigger();
}

void Driver::toCarburisedDesign()
{
    menu("mnuPer");
    choose("ATverd", "Option5");
    click("ATverd", "Command1");
    ASSERT_TRUE(isVisible("Czakalka2"));
    choose("Czakalka2", "Option3");
    click("Czakalka2", "Command1");
    ASSERT_TRUE(isVisible("stal4"));
    choose("stal4", "Option1");
    click("stal4", "Command1");
    ASSERT_TRUE(isVisible("Vvod2"));
}

void Driver::toHardenedResults()
{
    toCarburisedDesign();
    type("Vvod2", "Text1", QStringLiteral("20"));
    type("Vvod2", "Text3", QStringLiteral("100"));
    chooseItem("Vvod2", "Combo1", 12); // "4.0"
    pressEnter("Vvod2", "Text3");
    ASSERT_TRUE(isVisible("Vibor"));
    type("Vibor", "Combo1", QStringLiteral("2.5"));
    click("Vibor", "Command1");
    ASSERT_TRUE(isVisible("okon"));
    chooseItem("okon", "Combo1", 21);
    click("okon", "Command1");
    ASSERT_TRUE(isVisible("okonchanie"));
}

void Driver::typeWheel(const char* teeth, const char* tip)
{
    type("Vvod", "Text1", QString::fromLatin1(teeth));
    type("Vvod", "Text4", QStringLiteral("30"));
    type("Vvod", "Text5", QString::fromLatin1(tip));
    type("Vvod", "Text6", QStringLiteral("20"));
    type("Vvod", "Text7", QStringLiteral("40"));
}

void Driver::sizeWheel(const char* tip, const char* module)
{
    menu("mnuKol");
    typeWheel("40", tip);
    click("Vvod", "Command1");
    ASSERT_TRUE(isVisible("Vibor"));
    type("Vibor", "Combo1", QString::fromLatin1(module));
    click("Vibor", "Command1");
}

void Driver::click(const char* screenName, const char* button)
{
    auto* target = control<QPushButton>(screenName, button);
    ASSERT_NE(target, nullptr) << screenName << '.' << button;
    ASSERT_TRUE(target->isVisible()) << screenName << '.' << button << " is not on screen";
    QTest::mouseClick(target, Qt::LeftButton);
}

void Driver::type(const char* screenName, const char* field, const QString& text)
{
    QLineEdit* edit = control<QLineEdit>(screenName, field);
    if (!edit) {
        auto* combo = control<QComboBox>(screenName, field);
        ASSERT_NE(combo, nullptr) << screenName << '.' << field;
        edit = combo->lineEdit();
        ASSERT_NE(edit, nullptr) << screenName << '.' << field << " takes no typing";
    }
    // As a student does: in the window in front, into the field, everything
    // in it selected and typed over, key by key. Completers and validators
    // act only on the field that has the focus.
    QApplication::setActiveWindow(edit->window());
    edit->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(edit->hasFocus()) << screenName << '.' << field;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void Driver::pressEnter(const char* screenName)
{
    QWidget* owner = screen(screenName);
    ASSERT_NE(owner, nullptr) << screenName;
    QWidget* target = owner->focusWidget() ? owner->focusWidget() : owner;
    QTest::keyClick(target, Qt::Key_Return);
}

QStringList Driver::tabOrder(const char* screenName, int presses)
{
    QWidget* owner = screen(screenName);
    QStringList names;
    if (!owner)
        return names;
    for (int i = 0; i < presses; ++i) {
        QWidget* focused = owner->focusWidget();
        if (!focused)
            break;
        // An editable list's own line edit stands for the list.
        QWidget* named = qobject_cast<QComboBox*>(focused->parentWidget()) ? focused->parentWidget() : focused;
        names << named->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return names;
}

void Driver::pressEnter(const char* screenName, const char* field)
{
    QWidget* target = control<QLineEdit>(screenName, field);
    if (!target)
        target = control<QComboBox>(screenName, field);
    ASSERT_NE(target, nullptr) << screenName << '.' << field;
    QTest::keyClick(target, Qt::Key_Return);
}

void Driver::choose(const char* screenName, const char* option)
{
    auto* target = control<QRadioButton>(screenName, option);
    ASSERT_NE(target, nullptr) << screenName << '.' << option;
    target->setChecked(true);
}

void Driver::chooseItem(const char* screenName, const char* combo, int index)
{
    auto* target = control<QComboBox>(screenName, combo);
    ASSERT_NE(target, nullptr) << screenName << '.' << combo;
    target->setCurrentIndex(index);
}

QString Driver::caption(const char* screenName, const char* label) const
{
    auto* target = control<QLabel>(screenName, label);
    return target ? target->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(label));
}

QString Driver::text(const char* screenName, const char* field) const
{
    if (auto* edit = control<QLineEdit>(screenName, field))
        return edit->text();
    if (auto* combo = control<QComboBox>(screenName, field))
        return combo->currentText();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(field));
}

QStringList Driver::items(const char* screenName, const char* combo) const
{
    QStringList result;
    if (auto* target = control<QComboBox>(screenName, combo)) {
        for (int i = 0; i < target->count(); ++i)
            result << target->itemText(i);
    }
    return result;
}

QMessageBox* Driver::refusal() const
{
    return shownBoxes().top();
}

QString Driver::answerRefusal()
{
    QMessageBox* box = refusal();
    if (!box)
        return {};
    const QString said = box->text();
    // A question (save the work first?) is answered by its cancel button.
    QAbstractButton* answer = box->button(QMessageBox::Ok);
    if (!answer)
        answer = box->button(QMessageBox::Cancel);
    answer->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return said;
}

int Driver::beeps() const
{
    return m_program->screens().beepCount();
}

} // namespace gear::test
