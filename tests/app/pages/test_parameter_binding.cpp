// snapshot() and apply(): the window's side of every read, write, load and save.

#include "test_window.h"

#include "pages/parameter_binding.h"
#include "pages/radio_group.h"

#include "params/parameter_table.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using namespace vexlor;

namespace {

// A value different from the initial one for every stored parameter.
ParameterSnapshot changedFromInitial()
{
    ParameterSnapshot s = ParameterSnapshot::initial();
    for (const ParameterDescriptor &d : parameterTable()) {
        ControlValue &v = s[d.index];
        switch (d.kind) {
        case ParameterKind::Decimal:
        case ParameterKind::Whole:
            v.text = QStringLiteral("%1.5").arg(d.index);
            break;
        case ParameterKind::LevelCount:
            v.text = QStringLiteral("4");
            break;
        case ParameterKind::Flag:
            v.number = d.defaultNumber ? 0 : 1;
            break;
        case ParameterKind::TwoWay:
            v.number = 1;
            break;
        case ParameterKind::Choice:
            v.number = d.optionCount - 1;
            break;
        case ParameterKind::Slider:
            v.number = d.minimum;
            break;
        case ParameterKind::Fixed:
            break;
        }
    }
    return s;
}

} // namespace

class TestParameterBinding : public QObject {
    Q_OBJECT
private slots:
    // Guards the window's initial state against the table's defaults: every
    // control read from the right place (the second button of a pair, the
    // group's index, the slider's position, CheckBox7).
    void freshWindowIsTheInitialSnapshot()
    {
        TestWindow t;
        QCOMPARE(t.assembly->binding().snapshot(), ParameterSnapshot::initial());
    }

    // Guards that apply() reaches the same control snapshot() reads, for
    // every index and kind, and that it never touches CheckBox7.
    void applyThenSnapshotRoundTrips()
    {
        TestWindow t;
        const ParameterSnapshot wanted = changedFromInitial();
        for (const ParameterDescriptor *d : storedParameters())
            t.assembly->binding().apply({d->index, wanted[d->index]});
        const ParameterSnapshot got = t.assembly->binding().snapshot();
        for (const ParameterDescriptor *d : storedParameters())
            QVERIFY2(got[d->index] == wanted[d->index], d->name);
        QVERIFY(got.limitMaxSpeed);
    }

    // Guards that snapshot() reads disabled controls too, and CheckBox7.
    void snapshotReadsDisabledGroupsAndTheSpeedLimitBox()
    {
        TestWindow t;
        t.control<QCheckBox>("CheckBox7")->setChecked(false);
        t.control<QCheckBox>("CheckBox1")->setChecked(false);
        t.control<QLineEdit>("LabeledEdit1")->setText(QStringLiteral("77"));
        const ParameterSnapshot s = t.assembly->binding().snapshot();
        QVERIFY(!s.limitMaxSpeed);
        QCOMPARE(s[15].text, QStringLiteral("77"));
        QCOMPARE(s[14].number, 0);
    }

    // Guards a radio pair ending with exactly one button, whichever way it goes.
    void radioPairKeepsExactlyOneSelected()
    {
        TestWindow t;
        auto *low = t.control<QRadioButton>("RadioButton1");
        auto *high = t.control<QRadioButton>("RadioButton2");
        auto *duty = t.control<QRadioButton>("RadioButton3");
        for (int value : {1, 1, 0, 7, 0}) {
            t.assembly->binding().apply({4, ControlValue{{}, value}});
            QCOMPARE(high->isChecked(), value != 0);
            QCOMPARE(low->isChecked(), value == 0);
        }
        QVERIFY(duty->isChecked()); // the other pair is independent
    }

    // Guards the choice edge values: past the end selects the last item, -1
    // clears the selection and is read back as -1.
    void choiceClampsAndClears()
    {
        TestWindow t;
        auto *hall = t.control<RadioGroup>("RadioGroup4");
        t.assembly->binding().apply({40, ControlValue{{}, 5}});
        QCOMPARE(hall->itemIndex(), 2);
        t.assembly->binding().apply({40, ControlValue{{}, -1}});
        QCOMPARE(hall->itemIndex(), -1);
        for (int i = 0; i < hall->count(); ++i)
            QVERIFY(!hall->button(i)->isChecked());
        QCOMPARE(t.assembly->binding().snapshot()[40].number, -1);
        t.assembly->binding().apply({40, ControlValue{{}, 1}});
        QCOMPARE(hall->itemIndex(), 1);
    }

    // Guards the sliders staying within their ranges.
    void sliderPositionsAreClamped()
    {
        TestWindow t;
        t.assembly->binding().apply({3, ControlValue{{}, 40}});
        t.assembly->binding().apply({13, ControlValue{{}, 0}});
        QCOMPARE(t.control<QSlider>("TrackBar2")->value(), 10);
        QCOMPARE(t.control<QSlider>("TrackBar1")->value(), 1);
    }

    // Guards the fixed and reserved items being ignored rather than crashing.
    void fixedItemsAreIgnored()
    {
        TestWindow t;
        for (int index : {0, 34, 44, 59, -1, 60})
            t.assembly->binding().apply({index, ControlValue{QStringLiteral("1"), 1}});
        QCOMPARE(t.assembly->binding().snapshot(), ParameterSnapshot::initial());
    }
};

QTEST_MAIN(TestParameterBinding)
#include "test_parameter_binding.moc"
