// The dialogs of comparing with the controller, restoring a backup and the
// check after a write: what they list, in which order, and what each way of
// closing them answers.

#include "event_wait.h"
#include "dialogs/comparison_dialog.h"
#include "dialogs/profile_dialog.h"
#include "dialogs/qt_safety_dialogs.h"
#include "dialogs/restore_backup_dialog.h"
#include "dialogs/road_check_dialog.h"
#include "dialogs/verify_failure_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::ComparisonChoice)

namespace {

const QList<DifferenceRow> kTwoDifferences = {
    {QStringLiteral("Max battery current"), QStringLiteral("A"), QStringLiteral("14.0"), QStringLiteral("20.0")},
    {QStringLiteral("Use throttle"), QString(), QStringLiteral("On"), QStringLiteral("Off")},
};

// Every cell of a table, row by row, the headings first.
QList<QStringList> cells(const QTableWidget *table)
{
    QList<QStringList> rows;
    QStringList headings;
    for (int c = 0; c < table->columnCount(); ++c)
        headings << table->horizontalHeaderItem(c)->text();
    rows << headings;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columnCount(); ++c)
            row << table->item(r, c)->text();
        rows << row;
    }
    return rows;
}

// A table is labelled by the sentence above it, for Alt keys and screen readers.
bool labelledBySentence(const QDialog &dialog, const QTableWidget *table)
{
    const auto labels = dialog.findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->buddy() == table && table->accessibleName() == label->text())
            return true;
    }
    return false;
}

QPushButton *button(const QDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class TestSafetyDialogs : public QObject {
    Q_OBJECT

private slots:
    // Guards the comparison's two faces: the differing parameters with both
    // values in the order given, Load and Write offered; or the sentence alone,
    // with only Close.
    void comparisonListsDifferencesOrSaysEqual_data()
    {
        QTest::addColumn<QList<DifferenceRow>>("rows");
        QTest::addColumn<QString>("summary");
        QTest::newRow("two differ") << kTwoDifferences
                                    << "These parameters differ between the window and the controller:";
        QTest::newRow("equal") << QList<DifferenceRow>() << "The controller holds the window's settings.";
    }
    void comparisonListsDifferencesOrSaysEqual()
    {
        QFETCH(QList<DifferenceRow>, rows);
        QFETCH(QString, summary);
        ComparisonDialog dialog(rows);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Compare with Controller"));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("ComparisonSummary"))->text(), summary);
        auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("ComparisonTable"));
        QCOMPARE(table != nullptr, !rows.isEmpty());
        if (table) {
            QCOMPARE(cells(table), (QList<QStringList>{
                                       {"Parameter", "Unit", "Window", "Controller"},
                                       {"Max battery current", "A", "14.0", "20.0"},
                                       {"Use throttle", "", "On", "Off"}}));
            QVERIFY(labelledBySentence(dialog, table));
        }
        QCOMPARE(button(dialog, "LoadControllerValuesButton")->isEnabled(), !rows.isEmpty());
        QCOMPARE(button(dialog, "WriteWindowValuesButton")->isEnabled(), !rows.isEmpty());
        QVERIFY(button(dialog, "CloseButton")->isDefault());
    }

    // Guards what each way out of the comparison answers; Enter and Escape
    // change nothing.
    void comparisonChoices_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<ComparisonChoice>("choice");
        QTest::newRow("load") << "LoadControllerValuesButton" << ComparisonChoice::LoadControllerValues;
        QTest::newRow("write") << "WriteWindowValuesButton" << ComparisonChoice::WriteWindowValues;
        QTest::newRow("close") << "CloseButton" << ComparisonChoice::Close;
        QTest::newRow("enter") << "Enter" << ComparisonChoice::Close;
        QTest::newRow("escape") << "Escape" << ComparisonChoice::Close;
    }
    void comparisonChoices()
    {
        QFETCH(QString, action);
        QFETCH(ComparisonChoice, choice);
        ComparisonDialog dialog(kTwoDifferences);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, kHangMs));
        if (action == QLatin1String("Enter"))
            QTest::keyClick(&dialog, Qt::Key_Return);
        else if (action == QLatin1String("Escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(button(dialog, action.toLatin1().constData()), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.choice(), choice);
    }

    // Guards the restore list: one row per backup in the order given (newest
    // first), its time to the second, how the write after it ended, its note
    // and its count (blank when unknown); the newest without a note chosen at
    // first, with the sentence that says why; each way out gives the path of
    // the row chosen.
    void restoreListChooses_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("load the newest without a note") << "load" << "/b/2.vxc";
        QTest::newRow("enter") << "enter" << "/b/2.vxc";
        QTest::newRow("double click the newest") << "double click 0" << "/b/3.vxc";
        QTest::newRow("pick the older, load") << "select 2, load" << "/b/1.vxc";
        QTest::newRow("cancel") << "cancel" << "";
        QTest::newRow("escape") << "escape" << "";
    }
    void restoreListChooses()
    {
        QFETCH(QString, action);
        QFETCH(QString, chosen);
        const QDateTime newest(QDate(2026, 3, 14), QTime(9, 30, 1));
        const QDateTime newer(QDate(2026, 3, 14), QTime(9, 26, 53));
        const QDateTime older(QDate(2026, 3, 1), QTime(17, 5, 2));
        const QString note = QStringLiteral("Taken after an interrupted write");
        RestoreBackupDialog dialog({{QStringLiteral("/b/3.vxc"), newest, 0, "Written, stored and checked", note},
                                    {QStringLiteral("/b/2.vxc"), newer, 3, "Interrupted at frame 30 of 60", ""},
                                    {QStringLiteral("/b/1.vxc"), older, -1, "Not recorded", ""}});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, kHangMs));
        auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("BackupTable"));
        const QString newDate = QLocale().toString(newer.date(), QLocale::ShortFormat);
        const QString olderDate = QLocale().toString(older.date(), QLocale::ShortFormat);
        QCOMPARE(cells(table),
                 (QList<QStringList>{
                     {"Taken", "Parameters that differ from the window", "Write that followed", "Note"},
                     {newDate + " 09:30:01", "0", "Written, stored and checked", note},
                     {newDate + " 09:26:53", "3", "Interrupted at frame 30 of 60", ""},
                     {olderDate + " 17:05:02", "", "Not recorded", ""}}));
        QVERIFY(labelledBySentence(dialog, table));
        QCOMPARE(table->currentRow(), 1);
        QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("InterruptedWriteHint")));
        const RestoreBackupDialog plain({{QStringLiteral("/b/1.vxc"), older, 1, "Written, stored and checked", ""}});
        QCOMPARE(plain.findChild<QTableWidget *>()->currentRow(), 0);
        QVERIFY(!plain.findChild<QLabel *>(QStringLiteral("InterruptedWriteHint")));

        auto *load = button(dialog, "LoadBackupButton");
        if (action == QLatin1String("load")) {
            QTest::mouseClick(load, Qt::LeftButton);
        } else if (action == QLatin1String("enter")) {
            QTest::keyClick(table, Qt::Key_Return);
        } else if (action == QLatin1String("double click 0")) {
            const QRect cell = table->visualRect(table->model()->index(0, 0));
            // The first press of the double click, then the second.
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        } else if (action == QLatin1String("select 2, load")) {
            QTest::keyClick(table, Qt::Key_Down);
            QTest::mouseClick(load, Qt::LeftButton);
        } else if (action == QLatin1String("cancel")) {
            QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        } else {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.chosenPath(), chosen);
    }

    // Guards backups taken in one second: each shows its place among them
    // (the newest the highest), so rows that would read alike read apart;
    // a backup alone in its second shows its time alone.
    void restoreListTellsBackupsOfOneSecondApart()
    {
        const QDateTime second(QDate(2026, 3, 14), QTime(9, 30, 1));
        const QDateTime earlier(QDate(2026, 3, 14), QTime(9, 26, 53));
        const RestoreBackupDialog dialog({{"/b/3.vxc", second, 0, "", "", "", 3},
                                          {"/b/2.vxc", second, 0, "", "", "", 2},
                                          {"/b/1.vxc", second, 0, "", "", "", 1},
                                          {"/b/0.vxc", earlier, 0, "", "", "", 1}});
        const QString day = QLocale().toString(second.date(), QLocale::ShortFormat);
        QStringList times;
        for (const QStringList &row : cells(dialog.findChild<QTableWidget *>()).mid(1))
            times << row.first();
        QCOMPARE(times, (QStringList{day + " 09:30:01 (no. 3)", day + " 09:30:01 (no. 2)",
                                     day + " 09:30:01 (no. 1)", day + " 09:26:53"}));
    }

    // Guards against offering a backup that cannot be loaded (an empty or
    // damaged file): it is listed as unreadable with the reason, but neither
    // chosen at first, nor by a click, the keyboard or a double click.
    void unreadableBackupIsNeverOffered()
    {
        const QDateTime newest(QDate(2026, 3, 14), QTime(9, 30, 1));
        const QDateTime older(QDate(2026, 3, 14), QTime(9, 26, 53));
        const QString reason = QStringLiteral("The file /b/2.vxc contains no settings.");
        RestoreBackupDialog dialog({{QStringLiteral("/b/2.vxc"), newest, -1, "Not recorded", "", reason},
                                    {QStringLiteral("/b/1.vxc"), older, 2, "Written, stored and checked", ""}});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, kHangMs));
        auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("BackupTable"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Unreadable"));
        QCOMPARE(table->item(0, 1)->toolTip(), reason);
        QCOMPARE(table->currentRow(), 1);
        QTest::keyClick(table, Qt::Key_Up);
        const QRect cell = table->visualRect(table->model()->index(0, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(dialog.isVisible());
        QCOMPARE(table->currentRow(), 1);
        QTest::mouseClick(button(dialog, "LoadBackupButton"), Qt::LeftButton);
        QCOMPARE(dialog.chosenPath(), QStringLiteral("/b/1.vxc"));

        const RestoreBackupDialog onlyUnreadable({{QStringLiteral("/b/2.vxc"), newest, -1, "", "", reason}});
        QVERIFY(!button(onlyUnreadable, "LoadBackupButton")->isEnabled());
    }

    void writeAnywayDefaultsToCancel_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("writes");
        QTest::newRow("enter") << "enter" << false;
        QTest::newRow("escape") << "escape" << false;
        QTest::newRow("write anyway") << "write anyway" << true;
    }
    // Guards the question before values beyond the fields' limits or
    // breaking the road class are written: each list under its sentence in
    // a view above the question, Cancel the default, so only the Write
    // Anyway button writes.
    void writeAnywayDefaultsToCancel()
    {
        QFETCH(QString, action);
        QFETCH(bool, writes);
        QtSafetyDialogs dialogs;
        QString text;
        bool cancelIsDefault = false;
        bool warns = false;
        bool listShown = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            answer.stop();
            const auto *list = box->findChild<QPlainTextEdit *>(QStringLiteral("WriteAnywayList"));
            text = list->toPlainText() + QStringLiteral("\n\n") + box->text();
            listShown = list->accessibleName() == box->windowTitle() && list->isReadOnly();
            // A short list shows whole; the values come first, the question below them.
            listShown = listShown && list->verticalScrollBar()->maximum() == 0;
            for (const QLabel *label : box->findChildren<QLabel *>())
                listShown = listShown && (label->text() != box->text() || label->y() > list->geometry().bottom());
            cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
            warns = box->icon() == QMessageBox::Warning;
            if (action == QLatin1String("enter"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (action == QLatin1String("escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->findChild<QPushButton *>(QStringLiteral("WriteAnywayButton"))->click();
        });
        answer.start(10);
        WriteWarnings warnings;
        warnings.outsideLimits = QStringLiteral("Level 1: 250 % (allowed: at most 100 %)");
        warnings.roadClass = QStringLiteral("US class 1");
        warnings.roadClassFindings = QStringLiteral("Rated power: 1000 W (allowed: at most 750 W)");
        warnings.implausible = QStringLiteral("No. of pole-pairs: 0 (plausible: at least 1)");
        QCOMPARE(dialogs.confirmWriteAnyway(warnings), writes);
        QVERIFY(cancelIsDefault && warns && listShown);
        // Every kind of value in the one question, each under its sentence.
        QCOMPARE(text, QStringLiteral("These values are outside the limits the window allows:\n\n"
                                      "Level 1: 250 % (allowed: at most 100 %)\n\n"
                                      "These values break the road class US class 1:\n\n"
                                      "Rated power: 1000 W (allowed: at most 750 W)\n\n"
                                      "These values hardly fit a bike or each other:\n\n"
                                      "No. of pole-pairs: 0 (plausible: at least 1)\n\nWrite anyway?"));
    }

    // Guards the road-class check: it starts with the class and tire it is
    // given, renews its report at each change, names a tire it cannot read,
    // labels both fields, and leaves with what the user picked.
    void roadCheckFollowsClassAndTire()
    {
        ParameterValues values{};
        values[5] = 251;  // 25.1 km/h
        values[7] = 2000; // mm
        values[43] = 250; // W
        RoadCheckDialog dialog(values, NumberFormat{}, {findRoadClass(u"eu-epac"), QString()});
        dialog.show();
        auto *classes = dialog.findChild<QComboBox *>(QStringLiteral("RoadClassBox"));
        auto *tire = dialog.findChild<QComboBox *>(QStringLiteral("TireBox"));
        for (QWidget *field : {static_cast<QWidget *>(classes), static_cast<QWidget *>(tire)}) {
            bool labelled = false;
            for (const QLabel *label : dialog.findChildren<QLabel *>())
                labelled = labelled || label->buddy() == field;
            QVERIFY(labelled);
        }
        QCOMPARE(dialog.report(), QStringLiteral("Road class: EU / UK pedelec (EN 15194)\n"
                                                 "No tire given: the wheel perimeter is not checked.\n"
                                                 "These values break the road class EU / UK pedelec (EN 15194):\n"
                                                 "• Speed limit: 25.1 km/h (allowed: at most 25.0 km/h)"));
        tire->setEditText(QStringLiteral("57-584"));
        QVERIFY(dialog.report().contains(QStringLiteral("• Wheel perimeter: 2000 mm, so it assists up to 27.5 km/h")));
        tire->setEditText(QStringLiteral("57"));
        QVERIFY(dialog.report().endsWith(QStringLiteral("'57' is no tire size. Give its ETRTO size, width and bead "
                                                        "seat diameter in millimetres (57-584), or a common size "
                                                        "such as 26x2.1.")));
        // A tire it cannot read is all it says: no check made without it.
        QCOMPARE(dialog.report(), QStringLiteral("'57' is no tire size. Give its ETRTO size, width and bead "
                                                 "seat diameter in millimetres (57-584), or a common size "
                                                 "such as 26x2.1."));
        tire->setEditText(QStringLiteral("29x2.6"));
        QVERIFY(dialog.report().contains(QStringLiteral("Tire: 29×2.6 (66-622), 2369 mm a turn")));
        RoadCheckDialog comma(values, NumberFormat{true}, {findRoadClass(u"us-class1"), QStringLiteral("27,5x2,8")});
        QVERIFY2(comma.report().contains(QStringLiteral("Tire: 27.5×2.8 (71-584), 2282 mm a turn")),
                 qPrintable(comma.report()));
        classes->setCurrentIndex(classes->findData(QStringLiteral("us-class1")));
        tire->setEditText(QStringLiteral("26x1.95"));
        QVERIFY(dialog.report().endsWith(QStringLiteral("The settings keep to the road class US class 1.")));
        const RoadCheckSetting left = dialog.setting();
        QCOMPARE(left.roadClass, findRoadClass(u"us-class1"));
        QCOMPARE(left.tire, QStringLiteral("26x1.95"));
        classes->setCurrentIndex(0);
        QCOMPARE(dialog.report(), QStringLiteral("No road class chosen."));
        QVERIFY(!dialog.setting().roadClass);
    }

    // Guards the box after a write whose check failed: each parameter with the
    // value written and the value held, under the error icon's sentence.
    void verifyFailureListsWrittenAndHeld()
    {
        VerifyFailureDialog dialog(kTwoDifferences);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Write controller result"));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("VerifyFailureSummary"))->text(),
                 QStringLiteral("The configuration was written and stored, but the controller "
                                "holds other values than were written:"));
        auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("VerifyFailureTable"));
        QCOMPARE(cells(table), (QList<QStringList>{
                                   {"Parameter", "Unit", "Written", "Held by the controller"},
                                   {"Max battery current", "A", "14.0", "20.0"},
                                   {"Use throttle", "", "On", "Off"}}));
        QVERIFY(labelledBySentence(dialog, table));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

    // Guards the profile's name: Save stays off while the name cannot name a
    // profile, the reason shows whole inside the dialog, and a good name
    // comes back without the blanks around it.
    void profileDialogRefusesBadNames()
    {
        ProfileDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, kHangMs));
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("ProfileName1"));
        auto *problem = dialog.findChild<QLabel *>(QStringLiteral("ProfileNameProblem1"));
        QPushButton *save = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save);
        QVERIFY(!save->isEnabled());
        QVERIFY(!problem->isVisible()); // nothing typed yet: nothing to complain about

        QTest::keyClicks(name, QStringLiteral("Town/36V"));
        QVERIFY(!save->isEnabled());
        QVERIFY(problem->text().startsWith(QStringLiteral("A profile's name cannot hold /")));
        TRY_VERIFY(problem->isVisible());
        QTRY_VERIFY2_WITH_TIMEOUT(problem->height() >= problem->heightForWidth(problem->width())
                         && dialog.rect().contains(problem->geometry()),
                     "the reason is cut off", kHangMs);

        name->setText(QStringLiteral("  Town 36V "));
        QVERIFY(save->isEnabled());
        QVERIFY(!problem->isVisible());
        dialog.findChild<QLineEdit *>(QStringLiteral("ProfileNote1"))->setText(QStringLiteral("Commuter "));
        QCOMPARE(dialog.draft().name, QStringLiteral("Town 36V"));
        QCOMPARE(dialog.draft().note, QStringLiteral("Commuter"));
    }
};

QTEST_MAIN(TestSafetyDialogs)
#include "test_safety_dialogs.moc"
