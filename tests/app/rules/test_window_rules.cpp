// Group switching, the level count and its up-down, the wheel-size list, and
// the warning signs beside implausible values.

#include "test_window.h"

#include "pages/parameter_binding.h"
#include "pages/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace vexlor;

namespace {

const QStringList kLevelFields = {
    "LabeledEdit5", "LabeledEdit6", "LabeledEdit7", "LabeledEdit8", "LabeledEdit9",
    "LabeledEdit10", "LabeledEdit11", "LabeledEdit12", "LabeledEdit13",
};

// Which of the nine level fields are editable, as "111110000".
QString editableLevels(const TestWindow &t)
{
    QString pattern;
    for (const QString &name : kLevelFields)
        pattern += t.control<QLineEdit>(name.toLatin1().constData())->isEnabled() ? u'1' : u'0';
    return pattern;
}

QToolButton *arrow(const TestWindow &t, Qt::ArrowType type)
{
    for (auto *b : t.control<UpDown>("UpDown1")->findChildren<QToolButton *>()) {
        if (b->arrowType() == type)
            return b;
    }
    return nullptr;
}

// The warning sign beside a field, when it shows (on its tab); nullptr when it does not.
QLabel *shownSign(const TestWindow &t, const char *field)
{
    auto *sign = t.control<QLabel>((QByteArray(field) + "Marker").constData());
    return sign && !sign->isHidden() ? sign : nullptr;
}

} // namespace

class TestWindowRules : public QObject {
    Q_OBJECT
private slots:
    void checkBoxSwitchesItsGroup_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("inside");
        QTest::newRow("use throttle") << "CheckBox1" << "GroupBox1" << "LabeledEdit26";
        QTest::newRow("use pedal sensor") << "CheckBox2" << "GroupBox2" << "TrackBar1";
        QTest::newRow("limit max speed") << "CheckBox7" << "GroupBox4" << "ComboBox1";
    }
    // Guards the pairing of box and group, the grey text (128,128,128) of a
    // disabled group, and that the controls inside keep their values.
    void checkBoxSwitchesItsGroup()
    {
        QFETCH(QString, box);
        QFETCH(QString, group);
        QFETCH(QString, inside);
        TestWindow t;
        QVERIFY(t.isActive());
        auto *check = t.control<QCheckBox>(box.toLatin1().constData());
        auto *frame = t.control<QGroupBox>(group.toLatin1().constData());
        auto *control = t.control<QWidget>(inside.toLatin1().constData());
        const QColor normal = frame->palette().color(QPalette::WindowText);
        const ParameterSnapshot before = t.assembly->binding().snapshot();

        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        QVERIFY(!frame->isEnabled());
        QVERIFY(!control->isEnabled());
        QVERIFY(check->isEnabled()); // the box stands outside its group
        QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(128, 128, 128));
        QCOMPARE(control->palette().color(QPalette::Text), QColor(128, 128, 128));

        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(frame->isEnabled());
        QVERIFY(control->isEnabled());
        QCOMPARE(frame->palette().color(QPalette::WindowText), normal);

        ParameterSnapshot after = t.assembly->binding().snapshot();
        QCOMPARE(after, before);
    }

    // Guards the group switch through the binding: a file or read clearing
    // "Use pedal speed sensor" disables its group at once.
    void applyingAFlagSwitchesTheGroup()
    {
        TestWindow t;
        t.assembly->binding().apply({8, ControlValue{{}, 0}});
        QVERIFY(!t.control<QGroupBox>("GroupBox2")->isEnabled());
        t.assembly->binding().apply({14, ControlValue{{}, 0}});
        QVERIFY(!t.control<QGroupBox>("GroupBox1")->isEnabled());
        t.assembly->binding().apply({8, ControlValue{{}, 1}});
        QVERIFY(t.control<QGroupBox>("GroupBox2")->isEnabled());
    }

    // Guards the level rule: lowering to 5 disables levels 6..9 and keeps
    // their values; raising back enables them with the same values.
    void upDownStepsTheLevelCount()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *count = t.control<QLineEdit>("LabeledEdit4");
        QCOMPARE(editableLevels(t), QStringLiteral("111111111"));
        const ParameterSnapshot before = t.assembly->binding().snapshot();
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(arrow(t, Qt::DownArrow), Qt::LeftButton);
        QCOMPARE(count->text(), QStringLiteral("5"));
        QCOMPARE(editableLevels(t), QStringLiteral("111110000"));
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(arrow(t, Qt::UpArrow), Qt::LeftButton);
        QCOMPARE(count->text(), QStringLiteral("9"));
        QCOMPARE(editableLevels(t), QStringLiteral("111111111"));
        QCOMPARE(t.assembly->binding().snapshot(), before);
    }

    // Guards the ends: no wrap-around, and nothing happens past them.
    void upDownStopsAtItsEnds()
    {
        TestWindow t;
        auto *count = t.control<QLineEdit>("LabeledEdit4");
        QSignalSpy clicks(t.control<UpDown>("UpDown1"), &UpDown::clicked);
        QTest::mouseClick(arrow(t, Qt::UpArrow), Qt::LeftButton);
        QCOMPARE(count->text(), QStringLiteral("9"));
        QCOMPARE(clicks.size(), 0);
        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(arrow(t, Qt::DownArrow), Qt::LeftButton);
        QCOMPARE(count->text(), QStringLiteral("1"));
        QCOMPARE(clicks.size(), 8);
        QCOMPARE(editableLevels(t), QStringLiteral("100000000"));
    }

    // Guards the field: read-only to typing, stepped by the arrow keys.
    void levelCountFieldTakesArrowKeysOnly()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *count = t.control<QLineEdit>("LabeledEdit4");
        count->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(count, QStringLiteral("5"));
        QTest::keyClick(count, Qt::Key_Backspace);
        QCOMPARE(count->text(), QStringLiteral("9"));
        QTest::keyClick(count, Qt::Key_Down);
        QTest::keyClick(count, Qt::Key_Down);
        QCOMPARE(count->text(), QStringLiteral("7"));
        QCOMPARE(editableLevels(t), QStringLiteral("111111100"));
        QTest::keyClick(count, Qt::Key_Up);
        QCOMPARE(count->text(), QStringLiteral("8"));
    }

    void levelCountFromAFileOrRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("editable");
        QTest::addColumn<QString>("afterDown");
        QTest::newRow("3") << "3" << "111000000" << "2";
        QTest::newRow("12 counts as 9") << "12" << "111111111" << "8";
        QTest::newRow("0 counts as 1") << "0" << "100000000" << "1";
        QTest::newRow("-4 counts as 1") << "-4" << "100000000" << "1";
    }
    // Guards a count outside 1..9 put there by a file or a read: the text
    // stays as given, the up-down takes its clamped position from it.
    void levelCountFromAFileOrRead()
    {
        QFETCH(QString, text);
        QFETCH(QString, editable);
        QFETCH(QString, afterDown);
        TestWindow t;
        t.assembly->binding().apply({20, ControlValue{text, 0}});
        QCOMPARE(t.control<QLineEdit>("LabeledEdit4")->text(), text);
        QCOMPARE(editableLevels(t), editable);
        QTest::mouseClick(arrow(t, Qt::DownArrow), Qt::LeftButton);
        QCOMPARE(t.control<QLineEdit>("LabeledEdit4")->text(), afterDown);
    }

    // Guards a text that is no number: the last count stays in force.
    void levelCountTextThatIsNoNumber()
    {
        TestWindow t;
        t.assembly->binding().apply({20, ControlValue{QStringLiteral("4"), 0}});
        t.assembly->binding().apply({20, ControlValue{QStringLiteral("four"), 0}});
        QCOMPARE(editableLevels(t), QStringLiteral("111100000"));
        QTest::mouseClick(arrow(t, Qt::UpArrow), Qt::LeftButton);
        QCOMPARE(t.control<QLineEdit>("LabeledEdit4")->text(), QStringLiteral("5"));
    }

    // Guards the signs beside implausible values: shown as a value is typed
    // or put there by a file or a read, on both fields a warning names, with
    // the warning as the sign's tooltip and description (the field's own
    // tooltip left alone), on the field's top right corner, gone when the value
    // fits, kept while a text is no number.
    void warningSignsFollowTheValues()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        for (const char *field : {"Edit9", "LabeledEdit16", "Edit10", "Edit4", "LabeledEdit5"})
            QVERIFY2(!shownSign(t, field), field);
        auto *perimeter = t.control<QLineEdit>("Edit9");
        const QString fieldTip = perimeter->toolTip();
        perimeter->setText(QStringLiteral("999"));
        QLabel *sign = shownSign(t, "Edit9");
        QVERIFY(sign);
        const QString warning = QStringLiteral("Wheel perimeter: 999 mm (plausible: 1000 mm to 2600 mm)");
        QCOMPARE(sign->toolTip(), warning);
        QCOMPARE(sign->accessibleDescription(), warning);
        QCOMPARE(sign->accessibleName(), QStringLiteral("Warning on Wheel perimeter"));
        QVERIFY(!sign->pixmap().isNull());
        QCOMPARE(perimeter->toolTip(), fieldTip);
        // On the field's top right corner.
        QVERIFY(perimeter->geometry().contains(sign->geometry().bottomLeft()));
        QVERIFY(sign->geometry().right() >= perimeter->geometry().right());
        perimeter->setText(QStringLiteral("99x"));
        QVERIFY(shownSign(t, "Edit9"));
        perimeter->setText(QStringLiteral("1000"));
        QVERIFY(!shownSign(t, "Edit9"));

        // As a file or a read puts a value in: both currents carry the warning.
        t.assembly->binding().apply({1, ControlValue{QStringLiteral("30.1"), 0}});
        const QString currents =
            QStringLiteral("Max battery current: 30.1 A (plausible: at most 30 A, the value of Max phase current)");
        QVERIFY(shownSign(t, "LabeledEdit16") && shownSign(t, "Edit10"));
        QCOMPARE(shownSign(t, "Edit10")->toolTip(), currents);
        t.assembly->binding().apply({50, ControlValue{QStringLiteral("31"), 0}});
        QVERIFY(!shownSign(t, "LabeledEdit16") && !shownSign(t, "Edit10"));
        t.assembly->binding().apply({45, ControlValue{QStringLiteral("0"), 0}});
        QCOMPARE(shownSign(t, "Edit4")->toolTip(), QStringLiteral("No. of pole-pairs: 0 (plausible: at least 1)"));
    }

    // Guards the list's items, including the double prime on the first.
    void wheelSizeItems()
    {
        TestWindow t;
        auto *wheel = t.control<QComboBox>("ComboBox1");
        QStringList items;
        for (int i = 0; i < wheel->count(); ++i)
            items << wheel->itemText(i);
        QCOMPARE(items, QStringList({QString::fromUtf8("10\u2033"), "12\"", "14\"", "16\"", "18\"",
                                     "20\"", "22\"", "24\"", "26\"", "700C", "28\""}));
    }

    void pickingAWheelSizeWritesThePerimeter_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("perimeter");
        const char *expected[] = {"797", "957", "1117", "1276", "1436", "1595",
                                  "1755", "1915", "2074", "2154", "2234"};
        for (int i = 0; i < 11; ++i)
            QTest::newRow(expected[i]) << i << QString::fromLatin1(expected[i]);
    }
    // Guards the truncated d x 3.14159 x 25.4 and the two fixed sizes, as the
    // user picks them with the keyboard.
    void pickingAWheelSizeWritesThePerimeter()
    {
        QFETCH(int, index);
        QFETCH(QString, perimeter);
        TestWindow t;
        QVERIFY(t.isActive());
        auto *wheel = t.control<QComboBox>("ComboBox1");
        auto *edit = t.control<QLineEdit>("Edit9");
        wheel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(wheel, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(wheel, Qt::Key_Down);
        QCOMPARE(wheel->currentIndex(), index);
        QCOMPARE(edit->text(), perimeter);
    }

    // Guards the start-up selection: the 26" item without recomputing, and a
    // selection made from code firing nothing; a typed perimeter leaves the list.
    void selectionFromCodeFiresNothing()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        auto *wheel = t.control<QComboBox>("ComboBox1");
        auto *edit = t.control<QLineEdit>("Edit9");
        QCOMPARE(wheel->currentIndex(), 8);
        QCOMPARE(edit->text(), QStringLiteral("2074"));
        edit->setText(QStringLiteral("2000"));
        wheel->setCurrentIndex(9);
        QCOMPARE(edit->text(), QStringLiteral("2000"));
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("2100"));
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(wheel->currentIndex(), 9);
    }
};

QTEST_MAIN(TestWindowRules)
#include "test_window_rules.moc"
