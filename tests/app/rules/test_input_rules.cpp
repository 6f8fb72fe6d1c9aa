// The range rules that run when the user leaves a field, and when they must not.

#include "event_wait.h"
#include "test_window.h"

#include "pages/parameter_binding.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace vexlor;

namespace {

// Replaces a field's text the way a user does: focus it, select all, type.
void typeInto(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

} // namespace

class TestInputRules : public QObject {
    Q_OBJECT
private slots:
    void leavingByTabBoundsTheField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // Upper bounds: beyond is replaced by the bound's text, equal stays as typed.
        QTest::newRow("level 3 above") << "LabeledEdit7" << "150" << "100";
        QTest::newRow("level 3 at bound") << "LabeledEdit7" << "100" << "100";
        QTest::newRow("level 3 negative") << "LabeledEdit7" << "-20" << "-20";
        QTest::newRow("battery at bound") << "LabeledEdit16" << "30" << "30";
        QTest::newRow("battery above") << "LabeledEdit16" << "30.5" << "30.0";
        QTest::newRow("battery unrounded") << "LabeledEdit16" << "12.345" << "12.345";
        QTest::newRow("throttle output") << "LabeledEdit1" << "101" << "100";
        QTest::newRow("walk assist") << "LabeledEdit19" << "100.5" << "100";
        // The bound's text, never the initial value ("250").
        QTest::newRow("rated power") << "Edit3" << "600" << "500";
        QTest::newRow("no-load speed") << "Edit5" << "5001" << "5000";
        QTest::newRow("no-load speed at bound") << "Edit5" << "5000" << "5000";
        QTest::newRow("phase current") << "Edit10" << "70.01" << "70";
        // The stop delay is a lower bound.
        QTest::newRow("stop delay below") << "LabeledEdit3" << "150" << "200";
        QTest::newRow("stop delay at bound") << "LabeledEdit3" << "200" << "200";
        QTest::newRow("stop delay above") << "LabeledEdit3" << "5000" << "5000";
        // Start voltage: two steps.
        QTest::newRow("start low") << "LabeledEdit18" << "0.5" << "0.9";
        QTest::newRow("start high") << "LabeledEdit18" << "3.5" << "3.0";
        QTest::newRow("start within") << "LabeledEdit18" << "2" << "2";
        QTest::newRow("start with exponent") << "LabeledEdit18" << " 25e-1 " << " 25e-1 ";
        // Full voltage above 4.2, then not below the start voltage (1.2).
        QTest::newRow("full high") << "LabeledEdit26" << "5" << "4.2";
        QTest::newRow("full below start") << "LabeledEdit26" << "1" << "1.4";
        // Fields without a rule keep anything.
        QTest::newRow("low voltage has no rule") << "LabeledEdit17" << "999" << "999";
        QTest::newRow("perimeter has no rule") << "Edit9" << "abc" << "abc";
    }
    // Guards each field's bound, side, replacement text, and that in-range
    // texts are left exactly as typed.
    void leavingByTabBoundsTheField()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TestWindow t;
        QVERIFY(t.isActive());
        auto *edit = t.control<QLineEdit>(field.toLatin1().constData());
        QVERIFY(edit);
        t.showPageOf(edit);
        typeInto(edit, typed);
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(!edit->hasFocus());
        QCOMPARE(edit->text(), shown);
        QVERIFY(t.boxes.shown.isEmpty());
    }

    void fullVoltageFollowsStartVoltage_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("shown");
        QTest::newRow("3.0 and 2.5") << "3.0" << "2.5" << "3.2";
        QTest::newRow("2.95 gives 3.15, not 3.1500000000000004") << "2.95" << "1" << "3.15";
        QTest::newRow("equal stays") << "2.0" << "2.0" << "2.0";
        QTest::newRow("derived not bounded again") << "4.1" << "4.0" << "4.3";
    }
    // Guards the ordering step: compared with the start field, written in the
    // general number format, and the derived value not re-bounded to 4.2.
    void fullVoltageFollowsStartVoltage()
    {
        QFETCH(QString, start);
        QFETCH(QString, full);
        QFETCH(QString, shown);
        TestWindow t;
        QVERIFY(t.isActive());
        auto *startEdit = t.control<QLineEdit>("LabeledEdit18");
        auto *fullEdit = t.control<QLineEdit>("LabeledEdit26");
        startEdit->setText(start); // from code: no rule runs
        typeInto(fullEdit, full);
        QTest::keyClick(fullEdit, Qt::Key_Tab);
        QCOMPARE(fullEdit->text(), shown);
        QCOMPARE(startEdit->text(), start);
    }

    // Guards the start voltage rule never touching the full voltage.
    void startVoltageAloneNeverChangesFullVoltage()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *startEdit = t.control<QLineEdit>("LabeledEdit18");
        typeInto(startEdit, QStringLiteral("3"));
        QTest::keyClick(startEdit, Qt::Key_Backtab);
        QCOMPARE(t.control<QLineEdit>("LabeledEdit26")->text(), QStringLiteral("3.4"));
        typeInto(startEdit, QStringLiteral("2.9"));
        QTest::keyClick(startEdit, Qt::Key_Tab); // into the full voltage field, which is left alone
        QCOMPARE(t.control<QLineEdit>("LabeledEdit26")->text(), QStringLiteral("3.4"));
    }

    void badTextShowsTheStandardErrorAndStays_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty level 1") << "LabeledEdit5" << ""
                                       << "'' is not a valid floating point value.";
        QTest::newRow("letters") << "Edit10" << "7o" << "'7o' is not a valid floating point value.";
        QTest::newRow("comma in a point locale")
            << "LabeledEdit16" << "14,0" << "'14,0' is not a valid floating point value.";
    }
    // Guards the message text (with its full stop) and that the field keeps
    // the text so the user can correct it.
    void badTextShowsTheStandardErrorAndStays()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TestWindow t;
        QVERIFY(t.isActive());
        auto *edit = t.control<QLineEdit>(field.toLatin1().constData());
        t.showPageOf(edit);
        typeInto(edit, typed);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(t.boxes.shown.size(), 1);
        QCOMPARE(t.boxes.shown[0].kind, QStringLiteral("standard"));
        QCOMPARE(t.boxes.shown[0].text, message);
        QCOMPARE(edit->text(), typed);
    }

    // Guards the full voltage's second step reporting the start voltage's text
    // when that one is no number.
    void fullVoltageReportsABadStartVoltage()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        t.control<QLineEdit>("LabeledEdit18")->setText(QStringLiteral("x"));
        auto *fullEdit = t.control<QLineEdit>("LabeledEdit26");
        typeInto(fullEdit, QStringLiteral("5"));
        QTest::keyClick(fullEdit, Qt::Key_Tab);
        QCOMPARE(fullEdit->text(), QStringLiteral("4.2"));
        QCOMPARE(t.boxes.shown.size(), 1);
        QCOMPARE(t.boxes.shown[0].text, QStringLiteral("'x' is not a valid floating point value."));
    }

    // Guards what leaves the window: a command given while the cursor is
    // still in an edited field (a shortcut, a tool-bar button, which takes no
    // focus) bounds that field first, so the unbounded text is never sent or
    // saved; the focus stays where it was.
    void commandsBoundTheFieldBeingEdited()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *level1 = t.control<QLineEdit>("LabeledEdit5");
        typeInto(level1, QStringLiteral("150"));
        QSignalSpy write(t.window->actions().writeSettings, &QAction::triggered);
        QTest::keyClick(level1, Qt::Key_F12);
        QCOMPARE(write.size(), 1);
        QVERIFY(level1->hasFocus());
        QCOMPARE(level1->text(), QStringLiteral("100"));

        auto *battery = t.control<QLineEdit>("LabeledEdit16");
        typeInto(battery, QStringLiteral("45"));
        QSignalSpy save(t.window->actions().save, &QAction::triggered);
        QTest::mouseClick(t.control<QWidget>("SpeedButton3"), Qt::LeftButton);
        QCOMPARE(save.size(), 1);
        QVERIFY(battery->hasFocus());
        QCOMPARE(battery->text(), QStringLiteral("30.0"));
    }

    // Guards the menu bar: a field left for a menu that was closed with one
    // Esc (the menu bar keeps the focus) gets its rule when the focus moves
    // on to another control.
    void ruleRunsWhenTheFocusLeavesTheMenuBar()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *level2 = t.control<QLineEdit>("LabeledEdit6");
        typeInto(level2, QStringLiteral("150"));
        QMenuBar *bar = t.window->menuBar();
        QMenu *file = t.window->actions().fileMenu;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
        TRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_Escape);
        TRY_VERIFY(!file->isVisible());
        QCOMPARE(level2->text(), QStringLiteral("150"));
        auto *level1 = t.control<QLineEdit>("LabeledEdit5");
        QTest::mouseClick(level1, Qt::LeftButton);
        TRY_VERIFY(level1->hasFocus());
        QCOMPARE(level2->text(), QStringLiteral("100"));
    }

    // Guards the menu: opening it takes the focus to a popup, which is no
    // control of the window, so no rule runs.
    void openingAMenuRunsNoRule()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *level2 = t.control<QLineEdit>("LabeledEdit6");
        typeInto(level2, QStringLiteral("180"));
        QMenu *file = t.window->actions().fileMenu;
        file->popup(t.window->mapToGlobal(QPoint(10, 10)));
        TRY_VERIFY(file->isVisible());
        file->close();
        QCOMPARE(level2->text(), QStringLiteral("180"));
    }

    // Guards the window losing activation: the rule waits until the user
    // leaves the field inside the window.
    void anotherWindowTakingTheFocusRunsNoRule()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *power = t.control<QLineEdit>("Edit3");
        t.showPageOf(power);
        typeInto(power, QStringLiteral("900"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other, kHangMs));
        QCOMPARE(power->text(), QStringLiteral("900"));
        t.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.window, kHangMs));
        QCOMPARE(power->text(), QStringLiteral("900"));
    }

    // Guards leaving by a click into another control, and by a click on the
    // other tab, which both move the focus within the window.
    void leavingByMouseRunsTheRule()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *level9 = t.control<QLineEdit>("LabeledEdit13");
        typeInto(level9, QStringLiteral("120"));
        auto *other = t.control<QLineEdit>("LabeledEdit17");
        QTest::mouseClick(other, Qt::LeftButton);
        QVERIFY(other->hasFocus());
        QCOMPARE(level9->text(), QStringLiteral("100"));

        auto *level8 = t.control<QLineEdit>("LabeledEdit12");
        typeInto(level8, QStringLiteral("130"));
        auto *tabs = t.window->findChild<QTabBar *>();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(t.window->findChild<QTabWidget *>()->currentIndex(), 1);
        QCOMPARE(level8->text(), QStringLiteral("100"));
    }

    // Guards the decimal-comma locale: the separator follows the locale, and
    // what a rule writes (a bound, the derived full voltage) is written with
    // a comma, so it passes the next exit, the next rule step and a write.
    void decimalCommaLocale()
    {
        ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
        TestWindow t;
        QVERIFY(t.isActive());
        QVERIFY(t.window->decimalCommaLocale());

        auto *battery = t.control<QLineEdit>("LabeledEdit16");
        typeInto(battery, QStringLiteral("12,5"));
        QTest::keyClick(battery, Qt::Key_Tab);
        QCOMPARE(battery->text(), QStringLiteral("12,5"));
        typeInto(battery, QStringLiteral("30,5"));
        QTest::keyClick(battery, Qt::Key_Tab);
        QCOMPARE(battery->text(), QStringLiteral("30,0"));
        battery->setFocus(Qt::TabFocusReason);
        QTest::keyClick(battery, Qt::Key_Tab);
        QCOMPARE(battery->text(), QStringLiteral("30,0"));
        QCOMPARE(t.assembly->binding().snapshot()[1].text, QStringLiteral("30,0"));

        auto *start = t.control<QLineEdit>("LabeledEdit18");
        typeInto(start, QStringLiteral("0,5")); // below 0.9, then checked against 3
        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(start->text(), QStringLiteral("0,9"));
        QVERIFY(t.boxes.shown.isEmpty());

        start->setText(QStringLiteral("2,95"));
        auto *full = t.control<QLineEdit>("LabeledEdit26");
        typeInto(full, QStringLiteral("1"));
        QTest::keyClick(full, Qt::Key_Tab);
        QCOMPARE(full->text(), QStringLiteral("3,15"));
        QVERIFY(t.boxes.shown.isEmpty());
    }

    // Guards DecimalCommaLocale false under a point locale.
    void decimalPointLocale()
    {
        ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
        TestWindow t;
        QVERIFY(!t.window->decimalCommaLocale());
    }
};

QTEST_MAIN(TestInputRules)
#include "test_input_rules.moc"
