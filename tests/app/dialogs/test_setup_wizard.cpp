// File > New Bike Setup…: the real wizard driven as a user would, through
// the window's command. Apply puts the ticked values into the window,
// modified and unsent; Cancel on any page changes nothing.

#include "test_window.h"

#include "dialogs/setup_wizard.h"
#include "pages/parameter_binding.h"
#include "commands/document_commands.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace vexlor;

namespace {

template <typename T>
T *field(const QWizard &wizard, const char *name)
{
    return wizard.findChild<T *>(QString::fromLatin1(name));
}

// Fills the pages as a rider with a 48 V battery, a 25 A BMS and 57-584
// tires would, ending on page `lastPage` (3: the proposal).
void fillPages(SetupWizard &wizard, int lastPage)
{
    auto *voltage = field<QComboBox>(wizard, "BatteryVoltageBox");
    voltage->setCurrentIndex(voltage->findText(QStringLiteral("48 V")));
    field<QDoubleSpinBox>(wizard, "BmsCurrentBox")->setValue(25);
    for (int page = 0; page < lastPage; ++page) {
        if (page == 2) {
            field<QComboBox>(wizard, "TireBox")->setEditText(QStringLiteral("57-584"));
            auto *classes = field<QComboBox>(wizard, "RoadClassBox");
            classes->setCurrentIndex(classes->findData(QStringLiteral("eu-epac")));
            field<QSpinBox>(wizard, "PasLevelsBox")->setValue(5);
        }
        QTest::mouseClick(wizard.button(QWizard::NextButton), Qt::LeftButton);
    }
}

// The row of the proposal table captioned `caption`, or -1.
int rowOf(const QTableWidget *table, const QString &caption)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text() == caption)
            return row;
    }
    return -1;
}

} // namespace

class TestSetupWizard : public QObject {
    Q_OBJECT

private slots:
    // The pages' fields each carry their caption, and the tire must name a
    // size before the proposal can be reached.
    void fieldsAreLabelledAndTheTireIsAsked()
    {
        SetupWizard wizard({ParameterSnapshot::initial(), {}, NumberFormat{}});
        wizard.show();
        for (QWidget *w : wizard.findChildren<QWidget *>()) {
            if (!qobject_cast<QSpinBox *>(w) && !qobject_cast<QDoubleSpinBox *>(w) && !qobject_cast<QComboBox *>(w))
                continue;
            const auto labels = wizard.findChildren<QLabel *>();
            QVERIFY2(std::any_of(labels.begin(), labels.end(), [w](QLabel *l) { return l->buddy() == w; }),
                     qPrintable(w->objectName()));
        }
        QCOMPARE(field<QSpinBox>(wizard, "BatteryCellsBox")->value(), 10); // from the window's 36 V
        QCOMPARE(field<QComboBox>(wizard, "RoadClassBox")->currentData().toString(), QStringLiteral("eu-epac"));
        fillPages(wizard, 2);
        QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled()); // no tire yet
        field<QComboBox>(wizard, "TireBox")->setEditText(QStringLiteral("58-58"));
        QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
        QVERIFY(field<QLabel>(wizard, "TireReport")->text().contains(QStringLiteral("is no tire size")));
        field<QComboBox>(wizard, "TireBox")->setEditText(QStringLiteral("57-584"));
        QVERIFY(wizard.button(QWizard::NextButton)->isEnabled());
        QCOMPARE(field<QLabel>(wizard, "TireReport")->text(), QStringLiteral("Tire: 57-584, 2193 mm a turn"));
    }

    // Apply puts the ticked values into the window as edits: the caption
    // marks them modified, nothing is sent, the class and tire become the
    // window's; an unticked row keeps its value.
    void applyPutsTheTickedValuesIntoTheWindow()
    {
        TestWindow t;
        t.safetyDialogs.setupAnswer = [&t](const SetupStart &start) {
            SetupWizard wizard(start, t.window);
            wizard.show();
            fillPages(wizard, 3);
            auto *table = field<QTableWidget>(wizard, "ProposalTable");
            const int rated = rowOf(table, QStringLiteral("Rated voltage"));
            const int perimeter = rowOf(table, QStringLiteral("Wheel perimeter"));
            if (rated < 0 || perimeter < 0)
                return SetupChoice{};
            table->item(rated, 0)->setCheckState(Qt::Unchecked);
            if (table->item(perimeter, 1)->text() != QStringLiteral("2074 mm")
                || table->item(perimeter, 2)->text() != QStringLiteral("2193 mm"))
                return SetupChoice{};
            QTest::mouseClick(wizard.button(QWizard::FinishButton), Qt::LeftButton);
            return wizard.choice();
        };
        t.window->actions().newBikeSetup->trigger();
        QCOMPARE(t.safetyDialogs.setupStarts.size(), 1);
        QCOMPARE(t.control<QLineEdit>("LabeledEdit17")->text(), QStringLiteral("41.0"));
        QCOMPARE(t.control<QLineEdit>("LabeledEdit16")->text(), QStringLiteral("25.0"));
        QCOMPARE(t.control<QLineEdit>("LabeledEdit15")->text(), QStringLiteral("25.0"));
        QCOMPARE(t.control<QLineEdit>("Edit9")->text(), QStringLiteral("2193"));
        QCOMPARE(t.control<QLineEdit>("LabeledEdit4")->text(), QStringLiteral("5"));
        QCOMPARE(t.control<QLineEdit>("LabeledEdit9")->text(), QStringLiteral("100"));
        QVERIFY(!t.control<QLineEdit>("LabeledEdit10")->isEnabled()); // level 6 no longer in use
        QCOMPARE(t.control<QLineEdit>("Edit2")->text(), QStringLiteral("36")); // unticked
        QVERIFY(t.assembly->documents().isModified());
        QVERIFY(shownCaption(t.window).contains(u'*'));
        QCOMPARE(t.control<QLabel>("Label44")->text(), QStringLiteral("----")); // nothing written
        QVERIFY(t.control<QAction>("RoadClassEuEpac1")->isChecked());
        QVERIFY(t.boxes.shown.isEmpty());
    }

    // Under Imperial the table shows speeds in mph; Apply still puts the
    // controller's km/h into the window, which shows them in mph.
    void imperialShowsSpeedsInMph()
    {
        TestWindow t;
        t.control<QAction>("UnitsImperial1")->trigger();
        QStringList speedRow;
        t.safetyDialogs.setupAnswer = [&t, &speedRow](const SetupStart &start) {
            SetupWizard wizard(start, t.window);
            wizard.show();
            fillPages(wizard, 3);
            auto *table = field<QTableWidget>(wizard, "ProposalTable");
            const int speed = rowOf(table, QStringLiteral("Speed limit"));
            const int current = rowOf(table, QStringLiteral("Max battery current"));
            if (speed < 0 || current < 0)
                return SetupChoice{};
            speedRow << table->item(speed, 1)->text() << table->item(speed, 2)->text()
                     << table->item(current, 2)->text();
            QTest::mouseClick(wizard.button(QWizard::FinishButton), Qt::LeftButton);
            return wizard.choice();
        };
        t.window->actions().newBikeSetup->trigger();
        QCOMPARE(speedRow, QStringList({"15.53 mph", "15.53 mph", "25.0 A"}));
        QCOMPARE(t.control<QLineEdit>("LabeledEdit15")->text(), QStringLiteral("15.53"));
        QCOMPARE(t.assembly->binding().snapshot()[5].text, QStringLiteral("25.0"));
    }

    // Cancel on any page, even after the proposal was shown, leaves every
    // value, the caption and the class as they were.
    void cancelAnywhereChangesNothing()
    {
        TestWindow t;
        const ParameterSnapshot before = t.assembly->binding().snapshot();
        for (int page = 0; page < 4; ++page) {
            t.safetyDialogs.setupAnswer = [&t, page](const SetupStart &start) {
                SetupWizard wizard(start, t.window);
                wizard.show();
                fillPages(wizard, page);
                QTest::mouseClick(wizard.button(QWizard::CancelButton), Qt::LeftButton);
                return wizard.choice();
            };
            t.window->actions().newBikeSetup->trigger();
            QCOMPARE(t.assembly->binding().snapshot(), before);
            QVERIFY(!t.assembly->documents().isModified());
            QVERIFY(t.control<QAction>("RoadClassNone1")->isChecked());
        }
        QCOMPARE(t.safetyDialogs.setupStarts.size(), 4);
    }
};

QTEST_MAIN(TestSetupWizard)
#include "test_setup_wizard.moc"
