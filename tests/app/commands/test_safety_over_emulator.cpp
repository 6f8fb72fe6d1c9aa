// Comparing with the controller, the backup before a write, the check after
// it and restoring a backup, in the window over the real serial port and the
// controller emulator.

#include "file_bytes.h"
#include "emulated_window.h"

#include "commands/document_commands.h"
#include "dialogs/history_dialog.h"
#include "pages/parameter_binding.h"

#include "params/parameter_codec.h"
#include "params/settings_fingerprint.h"
#include "road/road_class.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QTableView>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::ComparisonChoice)

namespace {

const QString kWriteOk = QStringLiteral("Configuration of the controller was written successfully.");

// The controller differs from the window in five parameters of five kinds:
// an edit with decimals, a check box, the level count, a radio group, a whole number.
const QStringList kFiveDifferences = {"--set", "1=300", "--set", "14=0", "--set", "20=3",
                                      "--set", "40=2", "--set", "48=123"};

// A row of a dialog's list as one text: "Level 9 | % | 90 | 100".
QStringList rowTexts(const QList<DifferenceRow> &rows)
{
    QStringList texts;
    for (const DifferenceRow &r : rows)
        texts << QStringList{r.parameter, r.unit, r.expected, r.actual}.join(QStringLiteral(" | "));
    return texts;
}

} // namespace

class TestSafetyOverEmulator : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    EmulatedWindow emulated;
    std::unique_ptr<LinkWindow> &t = emulated.t;
    std::unique_ptr<SimProcess> &sim = emulated.sim;

    // Starts the emulator and a window pointed at it; true once connected.
    bool connectedWindow(const QStringList &arguments) { return emulated.connect(arguments); }

    // Runs a link command from its menu item until its exchange is over and
    // its box or dialog has been shown.
    [[nodiscard]] bool run(QAction *command)
    {
        t->log.clear();
        command->trigger();
        return waitForTransactionOver(*t);
    }

    [[nodiscard]] QString text(const char *field) const { return t->control<QLineEdit>(field)->text(); }

    // Whether the window has nothing on its way to the controller, without a
    // clock: once what the event loop holds has run, the session takes a
    // connection check (no exchange runs), and when the emulator has answered
    // it, it has taken, and printed, every frame sent before it.
    [[nodiscard]] bool nothingUnderWay()
    {
        QCoreApplication::processEvents();
        QSignalSpy checked(t->session, &ControllerSession::connectionChecked);
        return t->session->checkConnection() == ExchangeStart::Started && checked.wait(kHangMs);
    }

    [[nodiscard]] QStringList backups() const
    {
        return QDir(t->backupFolder.path()).entryList({QStringLiteral("*.vxc")}, QDir::Files);
    }

private slots:
    void initTestCase() { isolateFromTheDesktop(home); }
    void cleanup()
    {
        t.reset();
        sim.reset();
        qunsetenv("VEXLOR_PORT");
    }

    void compareListsExactlyTheDifferences_data()
    {
        QTest::addColumn<ComparisonChoice>("choice");
        QTest::addColumn<bool>("windowTakesController");
        QTest::addColumn<bool>("controllerTakesWindow");
        QTest::newRow("close") << ComparisonChoice::Close << false << false;
        QTest::newRow("load") << ComparisonChoice::LoadControllerValues << true << false;
        QTest::newRow("write") << ComparisonChoice::WriteWindowValues << false << true;
    }
    // Guards the comparison: exactly the differing parameters, in the
    // window's order, as the window shows them, after a read that leaves the
    // controls alone; then Close changes nothing, Load puts the controller's
    // values into the window, Write writes the window's into the controller.
    // A second comparison then finds both equal, or the same five.
    void compareListsExactlyTheDifferences()
    {
        QFETCH(ComparisonChoice, choice);
        QFETCH(bool, windowTakesController);
        QFETCH(bool, controllerTakesWindow);
        QVERIFY(connectedWindow(kFiveDifferences));
        const ParameterSnapshot before = t->assembly->binding().snapshot();
        ParameterSnapshot whileShown;
        t->safetyDialogs.comparisonAnswer = choice;
        const auto logged = t->safetyDialogs.onShown;
        t->safetyDialogs.onShown = [&](const QString &kind) {
            whileShown = t->assembly->binding().snapshot();
            logged(kind);
        };
        QVERIFY(run(t->actions().compareWithController));
        if (controllerTakesWindow)
            TRY_COMPARE(t->log.size(), 2); // the write that follows, and its message

        const QStringList five = {"Max battery current | A | 14.0 | 14.3", "Use throttle |  | On | Off",
                                  "PAS levels (1~9) |  | 9 | 3",
                                  "Hall sensor |  | 120° Sensors | Sensorless",
                                  "Stator resistance | mOhm | 300 | 123"};
        QCOMPARE(rowTexts(t->safetyDialogs.comparisons.value(0)), five);
        QVERIFY(whileShown == before);
        QCOMPARE(t->log.first().kind, QStringLiteral("comparison"));
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Pass on lime"));
        QCOMPARE(t->progress()->value(), t->progress()->maximum());
        if (controllerTakesWindow)
            QCOMPARE(t->log[1].text, kWriteOk);
        QCOMPARE(text("LabeledEdit16"), windowTakesController ? "14.3" : "14.0");
        QCOMPARE(t->control<QCheckBox>("CheckBox1")->isChecked(), !windowTakesController);
        QCOMPARE(text("LabeledEdit4"), windowTakesController ? "3" : "9");
        QCOMPARE(t->control<QLineEdit>("LabeledEdit8")->isEnabled(), !windowTakesController); // level 4
        QCOMPARE(text("Edit7"), windowTakesController ? "123" : "300");
        QCOMPARE(sim->lines().contains(QStringLiteral("write 48 300")), controllerTakesWindow);

        t->safetyDialogs.comparisonAnswer = ComparisonChoice::Close;
        QVERIFY(run(t->actions().compareWithController));
        const bool equal = windowTakesController || controllerTakesWindow;
        QCOMPARE(rowTexts(t->safetyDialogs.comparisons.last()), equal ? QStringList() : five);
    }

    // Guards the backup before a write: the file is byte for byte what Save
    // writes after reading the controller's settings into the window; the
    // check after it passes. Then Restore Backup lists the backups newest
    // first with how many parameters each would change, and loads the chosen
    // one's values into the window, leaving the document, its caption and the
    // reopen list alone.
    void backupIsWhatSaveWritesAndRestores()
    {
        QVERIFY(connectedWindow(kFiveDifferences));
        QVERIFY(run(t->actions().readSettings));
        QTemporaryDir files;
        const QString saved = QDir(files.path()).filePath(QStringLiteral("bike.vxc"));
        t->dialogs.saveAnswers << saved;
        t->actions().saveAs->trigger();
        const QString caption = t->window->windowTitle();
        QVERIFY(shownCaption(t->window).endsWith(QStringLiteral(" - bike.vxc")));

        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("20.0"));
        t->control<QLineEdit>("Edit7")->setText(QStringLiteral("200"));
        // The controller's three levels stop at 50 %: asked about, written anyway.
        t->safetyDialogs.writeAnyway = true;
        QVERIFY(run(t->actions().writeSettings));
        QCOMPARE(t->safetyDialogs.implausibleQuestions,
                 QStringList{"Level 3: 50 % (plausible: 100 % at the top level in use)"});
        QCOMPARE(t->log.size(), 2);
        QCOMPARE(t->log[1].text, kWriteOk);
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Pass on lime"));
        QCOMPARE(backups().size(), 1);
        QVERIFY(fileBytes(saved).contains("\r\n48\r\n123\r\n"));
        QCOMPARE(fileBytes(QDir(t->backupFolder.path()).filePath(backups().first())), fileBytes(saved));

        QVERIFY(run(t->actions().writeSettings)); // a second backup, in the same second perhaps
        QCOMPARE(backups().size(), 2);
        t->safetyDialogs.backupAnswer = 1; // the older: before the first write
        t->log.clear();
        t->actions().restoreBackup->trigger();
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("backups"));
        const QList<BackupRow> rows = t->safetyDialogs.backupLists.value(0);
        QCOMPARE(rows.size(), 2);
        QVERIFY(rows[0].time >= rows[1].time);
        if (rows[0].time == rows[1].time) // told apart by their order
            QCOMPARE(rows[0].sequence, 2);
        QCOMPARE(rows[1].sequence, 1);
        QCOMPARE(fileBytes(rows[1].path), fileBytes(saved));
        QCOMPARE(rows[0].differingCount, 0);
        QCOMPARE(rows[1].differingCount, 2);
        for (const BackupRow &row : rows) {
            QCOMPARE(row.followingWrite, QStringLiteral("Written, stored and checked"));
            QCOMPARE(row.note, QString());
        }
        QCOMPARE(text("LabeledEdit16"), QStringLiteral("14.3"));
        QCOMPARE(text("Edit7"), QStringLiteral("123"));
        QCOMPARE(t->window->windowTitle(), caption);
        QCOMPARE(t->assembly->documents().documentPath(), saved);
        QCOMPARE(readRecentFiles(t->settings)[0], saved);
        QCOMPARE(readRecentFiles(t->settings)[1], QString());
    }

    // Guards the check after a write against a controller that keeps its old
    // level 8 limit: "Fail", and the one differing parameter named with the
    // value written and the value held, shown while the strip says "Busy".
    void verifyNamesAValueKeptDifferent()
    {
        QVERIFY(connectedWindow({"--fault", "keeps-old-value", "--at-frame", "28"}));
        t->control<QLineEdit>("LabeledEdit12")->setText(QStringLiteral("95"));
        QStringList whileShown;
        const auto logged = t->safetyDialogs.onShown;
        t->safetyDialogs.onShown = [&](const QString &kind) {
            whileShown << labelState(t->label("Label43")) + QStringLiteral(", ") + t->linkCommandsState();
            logged(kind);
        };
        QVERIFY(run(t->actions().writeSettings));
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("verify failure"));
        QCOMPARE(rowTexts(t->safetyDialogs.verifyFailures.value(0)), QStringList{"Level 8 | % | 95 | 90"});
        QCOMPARE(whileShown, QStringList{"Busy on red, disabled"});
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Fail on red"));
        QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));
        QCOMPARE(t->progress()->value(), 180);
        QCOMPARE(backups().size(), 1);
    }

    void writeAsksBeforeValuesBeyondTheLimits_data()
    {
        QTest::addColumn<bool>("writeAnyway");
        QTest::newRow("cancel") << false;
        QTest::newRow("write anyway") << true;
    }
    // Guards values the fields' rules never saw (put there by a file or a
    // read): the write lists each with its allowed range and asks; Cancel
    // sends nothing and keeps no backup, Write Anyway writes them as they are.
    void writeAsksBeforeValuesBeyondTheLimits()
    {
        QFETCH(bool, writeAnyway);
        QVERIFY(connectedWindow({}));
        const QString result = labelState(t->label("Label44"));
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("100.0"));
        t->control<QLineEdit>("Edit10")->setText(QStringLiteral("200"));
        t->safetyDialogs.writeAnyway = writeAnyway;
        t->log.clear();
        t->actions().writeSettings->trigger();
        if (writeAnyway)
            QVERIFY(waitForTransactionOver(*t));
        QCOMPARE(t->safetyDialogs.limitQuestions,
                 QStringList{"Max battery current: 100.0 A (allowed: at most 30.0 A)\n"
                             "Max phase current: 200 A (allowed: at most 70 A)"});
        QCOMPARE(t->log.value(0).kind, QStringLiteral("write anyway"));
        if (!writeAnyway) {
            QVERIFY(nothingUnderWay()); // no frame must go out
            QCOMPARE(t->log.size(), 1);
            QCOMPARE(sim->lines(), QStringList());
            QVERIFY(backups().isEmpty());
            QCOMPARE(labelState(t->label("Label44")), result);
            QCOMPARE(t->linkCommandsState(), QStringLiteral("enabled"));
            return;
        }
        QCOMPARE(t->log.value(1).text, kWriteOk);
        QVERIFY(sim->lines().contains(QStringLiteral("write 1 2100")));
        QVERIFY(sim->lines().contains(QStringLiteral("write 50 200")));
        QCOMPARE(backups().size(), 1);
    }

    void writeAsksAboutEveryValueItsFieldWouldRefuse_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("question"); // empty: written without one
        QTest::addColumn<QString>("written");  // what the emulator reports when written
        QTest::addColumn<QString>("implausible"); // the warning asked about with it
        QTest::newRow("twelve PAS levels") << QByteArray("20\r\n12\r\n")
                                           << "PAS levels (1~9): 12 (allowed: 1 to 9)" << "write 20 12" << "";
        QTest::newRow("no PAS level") << QByteArray("20\r\n0\r\n")
                                      << "PAS levels (1~9): 0 (allowed: 1 to 9)" << "write 20 0" << "";
        QTest::newRow("full voltage just below the start voltage")
            << QByteArray("17\r\n1.2\r\n18\r\n1.1\r\n")
            << "Full: 1.1 V (allowed: from the start voltage, 1.2 V, to 4.2 V)" << "write 18 15180"
            << "Start voltage: 1.2 V (plausible: below 1.1 V, the value of Full)";
        // The field takes it; the throttle would never move the motor.
        QTest::newRow("full voltage equal to the start voltage")
            << QByteArray("17\r\n1.2\r\n18\r\n1.2\r\n") << QString() << "write 18 16560"
            << "Start voltage: 1.2 V (plausible: below 1.2 V, the value of Full)";
    }
    // Guards the fields that take no typing or bound one value by another: a
    // file's level count beyond the up-down's 1 to 9, or a full voltage below
    // the start voltage, is shown as the file has it and asked about before
    // a write (Write Anyway sends it); a full voltage equal to the start
    // voltage is no question.
    void writeAsksAboutEveryValueItsFieldWouldRefuse()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, question);
        QFETCH(QString, written);
        QFETCH(QString, implausible);
        QVERIFY(connectedWindow({}));
        QTemporaryDir files;
        const QString path = QDir(files.path()).filePath(QStringLiteral("odd.vxc"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        t->dialogs.openAnswers << path;
        t->actions().open->trigger();
        QCOMPARE(t->assembly->documents().documentPath(), path);
        t->safetyDialogs.writeAnyway = true;
        QVERIFY(run(t->actions().writeSettings));
        const bool asks = !question.isEmpty() || !implausible.isEmpty();
        QCOMPARE(t->safetyDialogs.limitQuestions, asks ? QStringList{question} : QStringList());
        QCOMPARE(t->safetyDialogs.implausibleQuestions, asks ? QStringList{implausible} : QStringList());
        QCOMPARE(t->log.value(asks ? 1 : 0).text, kWriteOk);
        QVERIFY2(sim->lines().contains(written), qPrintable(sim->lines().join(u'\n')));
    }

    void writeAsksWhenTheRoadClassIsBroken_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("phaseCurrent");
        QTest::addColumn<bool>("writeAnyway");
        QTest::addColumn<QString>("limits");   // what the question lists beyond the limits
        QTest::addColumn<QString>("findings"); // and breaking the class; both empty: no question
        QTest::addColumn<QString>("roadClass"); // chosen in the check with the tire; "": the menu's EU
        QTest::addColumn<QString>("tire");
        const QString speed = QStringLiteral("Speed limit: 25.1 km/h (allowed: at most 25.0 km/h)");
        QTest::newRow("kept") << "25.0" << "30" << false << "" << "" << "" << "";
        QTest::newRow("cancel") << "25.1" << "30" << false << "" << speed << "" << "";
        QTest::newRow("write anyway") << "25.1" << "30" << true << "" << speed << "" << "";
        QTest::newRow("both kinds, one question")
            << "25.1" << "200" << false << "Max phase current: 200 A (allowed: at most 70 A)" << speed << ""
            << "";
        // The window's 2074 mm on a 29er assists up to 28.0 km/h.
        QTest::newRow("the tire's perimeter breaks the class")
            << "25.0" << "30" << false << ""
            << "Wheel perimeter: 2074 mm, so it assists up to 28.0 km/h (allowed: at least 2322 mm: the tire "
               "29×2.3 (58-622) rolls 2326 mm a turn)"
            << "eu-epac" << "29x2.3";
        // Up to 26.4 km/h where 20 mph are allowed: a speedometer 5 % slow is no question.
        QTest::newRow("a note asks nothing") << "25.0" << "30" << false << "" << "" << "us-class2" << "57-584";
    }
    // Guards the write with a road class chosen: values breaking it are
    // listed with what the class allows, in the same one question as values
    // beyond the fields' limits; Cancel sends nothing, Write Anyway writes.
    // The strip then shows the fingerprint of what the controller holds.
    void writeAsksWhenTheRoadClassIsBroken()
    {
        QFETCH(QString, speed);
        QFETCH(QString, phaseCurrent);
        QFETCH(bool, writeAnyway);
        QFETCH(QString, limits);
        QFETCH(QString, findings);
        QFETCH(QString, roadClass);
        QFETCH(QString, tire);
        QVERIFY(connectedWindow({}));
        t->actions().roadClasses.at(1)->trigger(); // EU / UK pedelec
        if (!tire.isEmpty()) {
            t->safetyDialogs.roadCheckAnswer = {findRoadClass(roadClass), tire};
            t->actions().checkRoadClass->trigger();
        }
        t->control<QCheckBox>("CheckBox1")->setChecked(false); // no throttle
        t->control<QLineEdit>("LabeledEdit15")->setText(speed);
        t->control<QLineEdit>("Edit10")->setText(phaseCurrent);
        t->safetyDialogs.writeAnyway = writeAnyway;
        const bool asks = !findings.isEmpty();
        t->log.clear();
        t->actions().writeSettings->trigger();
        if (!asks || writeAnyway)
            QVERIFY(waitForTransactionOver(*t));
        QCOMPARE(t->safetyDialogs.roadClassQuestions, asks ? QStringList{findings} : QStringList());
        QCOMPARE(t->safetyDialogs.limitQuestions, asks ? QStringList{limits} : QStringList());
        if (asks && !writeAnyway) {
            QVERIFY(nothingUnderWay()); // no frame must go out
            QCOMPARE(t->log.size(), 1);
            QCOMPARE(sim->lines(), QStringList());
            QVERIFY(backups().isEmpty());
            QCOMPARE(t->label("FingerprintLabel")->text(), QString());
            return;
        }
        QCOMPARE(t->log.last().text, kWriteOk);
        const EncodedSet sent = encodeAll(t->assembly->binding().snapshot(), NumberFormat{});
        QCOMPARE(t->label("FingerprintLabel")->text(), "Fingerprint " + settingsFingerprint(sent.values));
    }

    // Guards the plausibility warnings before a write: the values that hardly
    // fit listed with what would fit, in the same one question as a class's
    // breach; Cancel sends nothing.
    void writeAsksAboutImplausibleValues()
    {
        QVERIFY(connectedWindow({}));
        t->actions().roadClasses.at(1)->trigger(); // EU / UK pedelec
        t->control<QCheckBox>("CheckBox1")->setChecked(false); // no throttle
        t->control<QLineEdit>("LabeledEdit15")->setText(QStringLiteral("25.1"));
        t->control<QLineEdit>("Edit9")->setText(QStringLiteral("900"));
        t->control<QLineEdit>("Edit4")->setText(QStringLiteral("0"));
        t->safetyDialogs.writeAnyway = false;
        t->log.clear();
        t->actions().writeSettings->trigger();
        QCOMPARE(t->safetyDialogs.roadClassQuestions,
                 QStringList{"Speed limit: 25.1 km/h (allowed: at most 25.0 km/h)"});
        QCOMPARE(t->safetyDialogs.implausibleQuestions,
                 QStringList{"Wheel perimeter: 900 mm (plausible: 1000 mm to 2600 mm)\n"
                             "No. of pole-pairs: 0 (plausible: at least 1)"});
        QCOMPARE(t->log.size(), 1);
        QVERIFY(nothingUnderWay()); // no frame must go out
        QCOMPARE(sim->lines(), QStringList());
    }

    // Guards the fingerprint the window shows: after a read, the one of the
    // values read, which the window now holds and its settings sheet shows
    // with the controller's version; in the comparison, the window's and the
    // controller's side by side; a failed read shows none.
    void fingerprintAfterReadAndComparison()
    {
        QVERIFY(connectedWindow({"--set", "1=300", "--set", "43=500"}));
        QCOMPARE(t->label("FingerprintLabel")->text(), QString());
        const EncodedSet initial = encodeAll(t->assembly->binding().snapshot(), NumberFormat{});
        QVERIFY(run(t->actions().compareWithController));
        const FingerprintPair pair = t->safetyDialogs.comparisonFingerprints.value(0);
        QCOMPARE(pair.window, settingsFingerprint(initial.values));
        QVERIFY(pair.controller != pair.window);
        QCOMPARE(t->label("FingerprintLabel")->text(), "Fingerprint " + pair.controller);
        QVERIFY(run(t->actions().readSettings));
        const EncodedSet read = encodeAll(t->assembly->binding().snapshot(), NumberFormat{});
        QCOMPARE(settingsFingerprint(read.values), pair.controller);
        QCOMPARE(t->label("FingerprintLabel")->text(), "Fingerprint " + pair.controller);
        // The sheet of what was read carries the same mark and the controller's version.
        const QString sheet = QDir(home.path()).filePath(QStringLiteral("read.pdf"));
        t->dialogs.sheetAnswers = {sheet};
        t->actions().exportSettingsSheet->trigger();
        QCOMPARE(t->shell.opened.size(), 1);
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), sheet, QStringLiteral("-")});
            QVERIFY(text.waitForFinished(kHangMs));
            const QByteArray page = text.readAllStandardOutput();
            QVERIFY2(page.contains(pair.controller.toLatin1()), page.constData());
            QVERIFY2(page.contains("Controller software version: v1-35"), page.constData());
            QVERIFY2(page.contains("Document: not saved to a file"), page.constData());
        }
        sim.reset(); // the controller is gone
        QVERIFY(run(t->actions().readSettings));
        QCOMPARE(t->label("FingerprintLabel")->text(), QString());
    }

    // Guards the register: the bike's label from Connect > Bike... in the
    // strip and on every record; a read, a comparison, a write, a restored
    // backup written back and a sheet each recorded with the controller, the
    // fingerprints, the port and the paths; a register that refuses the
    // record stops no write and the strip says why, as it says that a record
    // waits for a shop's server. History lists them newest first in the
    // window's words, says where they come from, filters by bike and
    // fingerprint and exports CSV.
    void everyOperationIsRecorded()
    {
        QVERIFY(connectedWindow({"--set", "1=300"}));
        t->boxes.textAnswer = QStringLiteral("  WBX 7\nOde ");
        t->actions().bike->trigger();
        QCOMPARE(t->label("BikeLabel")->text(), QStringLiteral("Bike: WBX 7 Ode"));
        QVERIFY(t->label("BikeLabel")->isVisible());
        QVERIFY(run(t->actions().readSettings));
        const QString held = t->records.kept.value(0).fingerprintAfter;
        QVERIFY(run(t->actions().compareWithController));
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("20.0"));
        QVERIFY(run(t->actions().writeSettings));
        const RegisterRecord written = t->records.kept.value(0);
        const QString wanted = settingsFingerprint(encodeAll(t->assembly->binding().snapshot(), NumberFormat{}).values);
        QCOMPARE(written.backupPath, QDir(t->backupFolder.path()).filePath(backups().value(0)));
        t->safetyDialogs.backupAnswer = 0; // the one taken before that write
        t->actions().restoreBackup->trigger();
        QVERIFY(run(t->actions().writeSettings));
        t->dialogs.sheetAnswers = {QDir(home.path()).filePath(QStringLiteral("bike.pdf"))};
        t->actions().exportSettingsSheet->trigger();

        QStringList operations;
        for (const RegisterRecord &record : std::as_const(t->records.kept)) {
            operations << record.operation;
            QCOMPARE(record.bike, QStringLiteral("WBX 7 Ode"));
        }
        QCOMPARE(operations, (QStringList{"sheet", "restore", "write", "compare", "read"}));
        const RegisterRecord read = t->records.kept[4];
        QCOMPARE(read.port, QString::fromLocal8Bit(qgetenv("VEXLOR_PORT")));
        QCOMPARE(read.controllerVersion, QStringLiteral("1-35"));
        QCOMPARE(read.fingerprintBefore, held);
        QCOMPARE(t->records.kept[3].outcome, QStringLiteral("done"));
        QCOMPARE(written.fingerprintBefore, held);
        QCOMPARE(written.fingerprintAfter, wanted);
        QVERIFY(wanted != held);
        const RegisterRecord restored = t->records.kept[1];
        QCOMPARE(restored.documentPath, written.backupPath);
        QCOMPARE(restored.fingerprintBefore, wanted);
        QCOMPARE(restored.fingerprintAfter, held);
        QCOMPARE(t->records.kept[0].fingerprintAfter, held);
        QCOMPARE(t->records.kept[0].port, QString());

        t->records.refusal = QStringLiteral("the disk is full");
        QVERIFY(run(t->actions().writeSettings));
        QCOMPARE(t->log.value(0).text, kWriteOk);
        QCOMPARE(t->label("StatusMessage")->text(),
                 QStringLiteral("Not recorded in the register: the disk is full"));

        // A shop's register whose server is away: kept, and the strip says
        // it waits; History says where its rows come from.
        t->records.refusal.clear();
        t->records.waiting = QStringLiteral("It waits for the shop server.");
        QVERIFY(run(t->actions().writeSettings));
        QCOMPARE(t->label("StatusMessage")->text(), t->records.waiting);
        t->records.kept.removeFirst();
        t->records.source = QStringLiteral("Only this bench's records.");
        HistoryDialog &history = t->assembly->history();
        t->actions().history->trigger();
        QVERIFY(history.isVisible());
        QCOMPARE(history.findChild<QLabel *>(QStringLiteral("HistorySource"))->text(), t->records.source);
        QVERIFY(history.findChild<QLabel *>(QStringLiteral("HistorySource"))->isVisible());
        QCOMPARE(history.table()->model()->rowCount(), 5);
        QCOMPARE(history.recordAtRow(0)->operation, QStringLiteral("sheet"));
        const QAbstractItemModel *cells = history.table()->model(); // in the window's words
        QCOMPARE(cells->index(0, 1).data().toString(), QStringLiteral("Settings sheet"));
        QCOMPARE(cells->index(0, 5).data().toString(), QStringLiteral("Done"));
        history.table()->sortByColumn(1, Qt::AscendingOrder); // by operation
        QCOMPARE(history.recordAtRow(0)->operation, QStringLiteral("compare"));
        history.setFilter({{}, {}, {}, wanted.left(6)});
        QCOMPARE(history.shown().size(), 2); // the write, and the backup written back over it
        history.setFilter({QStringLiteral("nobody")});
        QCOMPARE(history.table()->model()->rowCount(), 0);
        history.setFilter({QStringLiteral("wbx")});
        const QString csv = QDir(home.path()).filePath(QStringLiteral("history.csv"));
        QCOMPARE(history.exportCsv(csv), QString());
        QCOMPARE(fileBytes(csv).count("\r\n"), 6);
        history.close();
    }

    void failedBackupReadWritesNothing_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("message");
        const QString nothingDone = QStringLiteral("\nThe controller's settings could not be read for a "
                                                   "backup, so nothing was written and no backup was kept.");
        QTest::newRow("no answer at all") << 0 << "Communication with controller failed!" + nothingDone;
        QTest::newRow("no answer at 30") << 30 << "Communication with controller interrupted!" + nothingDone;
    }
    // Guards a backup read that fails: the read's failure and what it means
    // for the write, no write frame sent, no backup kept, and Restore Backup
    // then has nothing to offer.
    void failedBackupReadWritesNothing()
    {
        QFETCH(int, frame);
        QFETCH(QString, message);
        QVERIFY(connectedWindow({"--fault", "no-reply", "--at-frame", QString::number(frame)}));
        t->control<QLineEdit>("Edit7")->setText(QStringLiteral("200"));
        QVERIFY(run(t->actions().writeSettings));
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("error"));
        QCOMPARE(t->log[0].text, message);
        QCOMPARE(labelState(t->label("Label44")), QStringLiteral("Fail on red"));
        QCOMPARE(t->progress()->value(), frame);
        QCOMPARE(sim->lines(), QStringList());
        QVERIFY(backups().isEmpty());

        t->log.clear();
        t->actions().restoreBackup->trigger();
        QCOMPARE(t->log.size(), 1);
        QCOMPARE(t->log[0].kind, QStringLiteral("information"));
        QCOMPARE(t->log[0].text, QStringLiteral("There are no backups yet. A backup of the controller's "
                                                "settings is taken before every write."));
    }
};

QTEST_MAIN(TestSafetyOverEmulator)
#include "test_safety_over_emulator.moc"
