// The document commands: New, Open, Save, Save As, the Reopen items, the
// reopen list in config.ini, and the window's side of reading a file.

#include "event_wait.h"
#include "file_bytes.h"
#include "document_fixture.h"

#include "commands/document_commands.h"
#include "commands/shell_opener.h"
#include "pages/parameter_binding.h"
#include "pages/radio_group.h"

#include "files/vxc_reader.h"
#include "files/vxc_writer.h"
#include "road/road_class.h"
#include "settings/road_class_setting.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMimeData>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QtTest>

#include <unistd.h>

using namespace vexlor;

namespace {

QString battery(const TestWindow &t)
{
    return t.control<QLineEdit>("LabeledEdit16")->text();
}

// The caption as the title bar shows it: Qt's own rendering of the title.
QString shown(const TestWindow &t)
{
    return t.window->windowHandle()->title();
}

// Gives a command that replaces the window's values (or closes it), as the
// user gives it. `f` holds a.vxc (the document), b.vxc and a backup.
void giveCommand(TestWindow &t, const QString &command, const DocumentFixture &f)
{
    const WindowActions &a = t.window->actions();
    if (command == "new")
        a.newConfiguration->trigger();
    else if (command == "open") {
        t.dialogs.openAnswers = {f.path("b.vxc")};
        a.open->trigger();
    } else if (command == "reopen")
        a.reopen[1]->trigger();
    else if (command == "drop") {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(f.path("b.vxc"))});
        t.assembly->documents().openDroppedFile(&mime);
    } else if (command == "restore")
        a.restoreBackup->trigger();
    else if (command == "profile") {
        emit a.profilesMenu->aboutToShow();
        a.profilesMenu->actions().value(0)->trigger();
    } else if (command == "exit")
        a.exit->trigger();
}

// A profile "Tour" beside the window's backups that sets the battery current to 44.0.
void addTourProfile(const TestWindow &t, const DocumentFixture &f)
{
    f.currentFile(QDir(t.profileFolder.path()).filePath(QStringLiteral("Tour.vxc")), "44.0");
}

} // namespace

Q_DECLARE_METATYPE(vexlor::SaveChoice)

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    // Guards the first start: no list, so Reopen 1 runs New; nothing is
    // written to config.ini; the association is registered once, as ".vxc".
    void firstStartIsUntitled()
    {
        DocumentFixture f;
        auto t = f.window();
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("Untitled.vxc")));
        QVERIFY(t->assembly->documents().documentPath().isEmpty());
        for (QAction *item : t->window->actions().reopen)
            QVERIFY(!item->isVisible());
        QVERIFY(!QFile::exists(f.settingsPath()));
        QCOMPARE(t->association.registered.size(), 1);
        QCOMPARE(t->association.registered[0],
                 (QStringList{".vxc", "vxc file", QCoreApplication::applicationFilePath(), "vxc file"}));
    }

    // Guards New: every value back from the default file, the document
    // untitled, and the default file kept out of the reopen list.
    void newRestoresDefaults()
    {
        DocumentFixture f;
        const QString a = f.file("a.vxc", "1\r\n99.0\r\n8\r\n0\r\n");
        auto t = f.window({a});
        QCOMPARE(battery(*t), QStringLiteral("99.0"));
        QVERIFY(!t->control<QCheckBox>("CheckBox2")->isChecked());
        t->window->actions().newConfiguration->trigger();
        QVERIFY(t->assembly->binding().snapshot() == ParameterSnapshot::initial());
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("Untitled.vxc")));
        QVERIFY(t->assembly->documents().documentPath().isEmpty());
        QCOMPARE(f.recentFiles(), (RecentFiles{a, "", "", ""}));
        QVERIFY(t->boxes.shown.isEmpty());
    }

    // Guards Open: the chosen file is read, named in the caption, listed, and
    // the current folder moves to its folder; a cancelled dialog does nothing.
    void openReadsTheChosenFile()
    {
        DocumentFixture f;
        const QString a = f.currentFile("sub/a.vxc");
        auto t = f.window();
        t->window->actions().open->trigger(); // cancelled
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("Untitled.vxc")));
        QCOMPARE(QDir::currentPath(), f.root());
        t->dialogs.openAnswers = {a};
        t->window->actions().open->trigger();
        QCOMPARE(t->dialogs.asked, (QStringList{"open", "open"}));
        QCOMPARE(battery(*t), QStringLiteral("99.0"));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("a.vxc")));
        QCOMPARE(t->assembly->documents().documentPath(), a);
        QCOMPARE(f.recentFiles(), (RecentFiles{a, "", "", ""}));
        QCOMPARE(QDir::currentPath(), f.path(QStringLiteral("sub")));
    }

    // Guards Save: it writes the controls to the current file without a
    // dialog and changes neither the caption nor the list.
    void saveWritesTheCurrentFile()
    {
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc");
        const QString b = f.currentFile("b.vxc");
        auto t = f.window({b});
        t->assembly->documents().loadDocument(a);
        const QByteArray listBefore = f.settingsText();
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("12.5"));
        t->window->actions().save->trigger();
        QVERIFY(t->dialogs.asked.isEmpty());
        QCOMPARE(fileBytes(a), configurationFileBytes(t->assembly->binding().snapshot()));
        QVERIFY(fileBytes(a).startsWith("1\r\n12.5\r\n"));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("a.vxc")));
        QCOMPARE(f.settingsText(), listBefore);
    }

    // Guards Save on an untitled document: it is Save As.
    void saveUntitledAsksForAName()
    {
        DocumentFixture f;
        auto t = f.window();
        const QString chosen = f.path(QStringLiteral("new.vxc"));
        t->dialogs.saveAnswers = {chosen};
        t->window->actions().save->trigger();
        QCOMPARE(t->dialogs.asked, QStringList{"save"});
        QCOMPARE(fileBytes(chosen), configurationFileBytes(ParameterSnapshot::initial()));
        QCOMPARE(t->assembly->documents().documentPath(), chosen);
        QCOMPARE(f.recentFiles(), (RecentFiles{chosen, "", "", ""}));
    }

    // Guards Save As: the text goes into the file verbatim, the file becomes
    // the listed document, and the current folder follows the dialog.
    void saveAsWritesAndReadsBack()
    {
        DocumentFixture f;
        auto t = f.window();
        auto *throttle = t->control<QLineEdit>("LabeledEdit26");
        throttle->setText(QStringLiteral(" 3.40"));
        const QString chosen = f.path(QStringLiteral("out/saved.vxc"));
        QDir().mkpath(f.path(QStringLiteral("out")));
        t->dialogs.saveAnswers = {chosen};
        t->window->actions().saveAs->trigger();
        QVERIFY(fileBytes(chosen).contains("\r\n18\r\n 3.40\r\n"));
        QCOMPARE(throttle->text(), QStringLiteral(" 3.40"));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("saved.vxc")));
        QCOMPARE(t->assembly->documents().documentPath(), chosen);
        QCOMPARE(f.recentFiles(), (RecentFiles{chosen, "", "", ""}));
        QCOMPARE(QDir::currentPath(), f.path(QStringLiteral("out")));
    }

    void saveChecksTheFieldsFirst_data()
    {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<bool>("speedUnlimited"); // "Limit max speed" off, the speed text no number
        QTest::addColumn<QString>("message");
        QTest::newRow("Save: the first bad field by index") << false << false << "'abc' is not a valid integer value.";
        QTest::newRow("Save As, before the dialog") << true << false << "'abc' is not a valid integer value.";
        // A write would not read the speed text then, but the file keeps it.
        QTest::newRow("Save, the speed text kept in the file")
            << false << true << "'fast' is not a valid floating point value.";
        QTest::newRow("Save As, the separator of another locale")
            << true << true << "'3,4' is not a valid floating point value.";
    }
    // Guards against saving a file the tool cannot use later: Save and Save
    // As check the fields as a write does (the first bad one in index order,
    // the write's message) and then write nothing, ask nothing and change
    // nothing.
    void saveChecksTheFieldsFirst()
    {
        QFETCH(bool, saveAs);
        QFETCH(bool, speedUnlimited);
        QFETCH(QString, message);
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc");
        auto t = f.window({a});
        const QByteArray before = fileBytes(a);
        const QString caption = t->window->windowTitle();
        t->control<QLineEdit>("Edit3")->setText(QStringLiteral("abc"));   // index 43
        t->control<QLineEdit>("Edit7")->setText(QStringLiteral("1x"));    // index 48
        if (speedUnlimited) {
            t->control<QCheckBox>("CheckBox7")->setChecked(false);
            t->control<QLineEdit>("LabeledEdit15")->setText(QStringLiteral("fast")); // index 5
            t->control<QLineEdit>("LabeledEdit26")->setText(QStringLiteral("3,4"));  // index 18
            if (saveAs)
                t->control<QLineEdit>("LabeledEdit15")->setText(QStringLiteral("25.0"));
        }
        const QString other = f.path(QStringLiteral("other.vxc"));
        t->dialogs.saveAnswers = {other};
        (saveAs ? t->window->actions().saveAs : t->window->actions().save)->trigger();
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].kind, QStringLiteral("standard"));
        QCOMPARE(t->boxes.shown[0].text, message);
        QVERIFY(t->dialogs.asked.isEmpty());
        QCOMPARE(fileBytes(a), before);
        QVERIFY(!QFile::exists(other));
        QCOMPARE(t->window->windowTitle(), caption);
        QCOMPARE(t->assembly->documents().documentPath(), a);
    }

    // Guards the mended Save As: a file that cannot be written leaves the
    // caption naming the document that is still current.
    void failedSaveAsKeepsTheCaption()
    {
        DocumentFixture f;
        auto t = f.window();
        const QString chosen = f.path(QStringLiteral("missing/folder/x.vxc"));
        t->dialogs.saveAnswers = {chosen};
        t->window->actions().saveAs->trigger();
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].text, QStringLiteral("Cannot create file %1.").arg(chosen));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("Untitled.vxc")));
        QVERIFY(t->assembly->documents().documentPath().isEmpty());
        QVERIFY(!QFile::exists(f.settingsPath()));
    }

    void relativeDocumentSavesWhereItWasRead_data()
    {
        QTest::addColumn<QString>("detour"); // the command that moves the current folder
        QTest::newRow("a malformed file opened elsewhere") << "open";
        QTest::newRow("a failed Save As elsewhere") << "save as";
    }
    // Guards against saving into the wrong folder: a document read by a
    // relative path is saved to the file it was read from, after a dialog
    // has moved the current folder and the command there came to nothing.
    void relativeDocumentSavesWhereItWasRead()
    {
        QFETCH(QString, detour);
        DocumentFixture f;
        f.currentFile("a.vxc", "11.0");
        const QByteArray unrelated = "1\r\n77.0\r\n";
        f.file("target/a.vxc", unrelated);
        f.file("target/bad.vxc", "1\r\n");
        auto t = f.window({QStringLiteral("a.vxc")});
        QCOMPARE(battery(*t), QStringLiteral("11.0"));
        if (detour == "open") {
            t->dialogs.openAnswers = {f.path(QStringLiteral("target/bad.vxc"))};
            t->window->actions().open->trigger();
        } else {
            QDir().mkpath(f.path(QStringLiteral("target/locked.vxc")));
            t->dialogs.saveAnswers = {f.path(QStringLiteral("target/locked.vxc"))};
            t->window->actions().saveAs->trigger();
        }
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(QDir::currentPath(), f.path(QStringLiteral("target")));
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("12.5"));
        t->window->actions().save->trigger();
        QVERIFY(fileBytes(f.path(QStringLiteral("a.vxc"))).startsWith("1\r\n12.5\r\n"));
        QCOMPARE(fileBytes(f.path(QStringLiteral("target/a.vxc"))), unrelated);
    }

    // Guards the default file: a path holding "default.vxc" in any case
    // becomes the document but never enters the list.
    void defaultNamesStayOutOfTheList()
    {
        DocumentFixture f;
        auto t = f.window();
        const QString chosen = f.path(QStringLiteral("MyDefault.VXC"));
        t->dialogs.saveAnswers = {chosen};
        t->window->actions().saveAs->trigger();
        QCOMPARE(t->assembly->documents().documentPath(), chosen);
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("MyDefault.VXC")));
        QVERIFY(!QFile::exists(f.settingsPath()));
    }

    void reopenItems_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("after"); // the entries afterwards, by letter
        QTest::newRow("item 1") << 0 << "abcd";
        QTest::newRow("item 2") << 1 << "bacd";
        QTest::newRow("item 3") << 2 << "cabd";
        QTest::newRow("item 4") << 3 << "dabc";
    }
    // Guards the four Reopen items: each reads its own entry's file, which
    // moves to the top as the table says, and the menu follows.
    void reopenItems()
    {
        QFETCH(int, item);
        QFETCH(QString, after);
        DocumentFixture f;
        const QString letters = QStringLiteral("abcd");
        RecentFiles entries;
        for (int k = 0; k < 4; ++k)
            entries[k] = f.currentFile(letters[k] + QStringLiteral(".vxc"), QByteArray::number(k + 1) + ".5");
        f.setRecentFiles(entries);
        auto t = f.window(); // Reopen 1 at start-up reads a.vxc
        QCOMPARE(battery(*t), QStringLiteral("1.5"));
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("0"));
        t->window->actions().reopen[item]->trigger();
        QCOMPARE(battery(*t), QString::number(item + 1) + QStringLiteral(".5"));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, letters[item] + QStringLiteral(".vxc")));
        RecentFiles expected;
        for (int k = 0; k < 4; ++k)
            expected[k] = f.path(after[k] + QStringLiteral(".vxc"));
        QCOMPARE(f.recentFiles(), expected);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(t->window->actions().reopen[k]->text(), expected[k]);
            QVERIFY(t->window->actions().reopen[k]->isVisible());
        }
    }

    // Guards Reopen for a file that is gone: item 1 runs New, items 2 to 4 do
    // nothing at all, and every entry stays.
    void reopenMissingFiles()
    {
        DocumentFixture f;
        const RecentFiles entries{f.path("gone1.vxc"), f.path("gone2.vxc"), f.path("gone3.vxc"),
                                  f.path("gone4.vxc")};
        f.setRecentFiles(entries);
        const QString a = f.currentFile("a.vxc");
        auto t = f.window({a}); // a moves to the top; gone4 drops off
        const QString caption = t->window->windowTitle();
        for (int k = 1; k < 4; ++k) {
            t->window->actions().reopen[k]->trigger();
            QCOMPARE(t->window->windowTitle(), caption);
            QCOMPARE(battery(*t), QStringLiteral("99.0"));
        }
        QVERIFY(t->boxes.shown.isEmpty());
        QCOMPARE(f.recentFiles(), (RecentFiles{a, entries[0], entries[1], entries[2]}));
        QVERIFY(QFile::remove(a));
        t->window->actions().reopen[0]->trigger();
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("Untitled.vxc")));
        QCOMPARE(battery(*t), QStringLiteral("14.0"));
        QCOMPARE(f.recentFiles(), (RecentFiles{a, entries[0], entries[1], entries[2]}));
    }

    // Guards the list's movements: A; B, A; A, B (a swap); from A, B, C, D
    // opening D gives D, A, B, C and a new E gives E, A, B, C.
    void recentListMovements()
    {
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc"), b = f.currentFile("b.vxc"), c = f.currentFile("c.vxc"),
                      d = f.currentFile("d.vxc"), e = f.currentFile("e.vxc");
        auto t = f.window();
        DocumentCommands &docs = t->assembly->documents();
        docs.loadDocument(a);
        QCOMPARE(f.recentFiles(), (RecentFiles{a, "", "", ""}));
        docs.loadDocument(b);
        QCOMPARE(f.recentFiles(), (RecentFiles{b, a, "", ""}));
        docs.loadDocument(a);
        QCOMPARE(f.recentFiles(), (RecentFiles{a, b, "", ""}));
        f.setRecentFiles({a, b, c, d});
        docs.loadDocument(d);
        QCOMPARE(f.recentFiles(), (RecentFiles{d, a, b, c}));
        f.setRecentFiles({a, b, c, d});
        docs.loadDocument(e);
        QCOMPARE(f.recentFiles(), (RecentFiles{e, a, b, c}));
        QVERIFY(t->boxes.shown.isEmpty());
    }

    // Guards the free places: they travel down with the list rather than
    // closing up, and are written as keys with nothing after "=".
    void emptyPlacesTravelDown()
    {
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc"), b = f.currentFile("b.vxc");
        f.setRecentFiles({a, "", "", ""});
        auto t = f.window({b});
        QCOMPARE(f.recentFiles(), (RecentFiles{b, a, "", ""}));
        const QList<QByteArray> lines = f.settingsText().split('\n');
        QCOMPARE(lines[0], QByteArray("[Recent Files]"));
        QVERIFY(lines.contains("File3="));
        QVERIFY(lines.contains("File4="));
        QVERIFY(t->window->actions().reopen[1]->isVisible());
        QVERIFY(!t->window->actions().reopen[2]->isVisible());
    }

    // Guards exact-text comparison: the same file by a relative and by a full
    // path takes two entries, and the relative one stays relative.
    void entriesCompareAsExactText()
    {
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc");
        auto t = f.window();
        t->assembly->documents().loadDocument(QStringLiteral("a.vxc"));
        QCOMPARE(t->assembly->documents().documentPath(), QStringLiteral("a.vxc"));
        t->assembly->documents().loadDocument(a);
        QCOMPARE(f.recentFiles(), (RecentFiles{a, "a.vxc", "", ""}));
    }

    void reopenCaptions_data()
    {
        QTest::addColumn<QString>("relative"); // the file, below the scratch folder
        QTest::addColumn<bool>("shortened");
        QTest::addColumn<int>("kept"); // how much of the path's start a shortened caption keeps
        const QString deep = QStringLiteral("bike shop customers/2026/touring and trekking bikes/"
                                            "with hub motors in the rear wheel/spring service/");
        QTest::newRow("short, with & and %") << "R&D 100%.vxc" << false << 0;
        QTest::newRow("deep folders") << deep + "Müller & Sohn commuter.vxc" << true << 5; // "/tmp/"
        QTest::newRow("long file name") << QString(deep).left(25) + QStringLiteral("x").repeated(120)
                + ".vxc" << true << 1;
    }
    // Guards the reopen items' captions: a path wider than the menu allows
    // is shortened in its folders, never in the file name, so the menu stays
    // narrower than the window; the whole path is the item's status and tool
    // tip; an "&" shows as itself, never as an access key; the item opens its file.
    void reopenCaptions()
    {
        QFETCH(QString, relative);
        QFETCH(bool, shortened);
        QFETCH(int, kept);
        DocumentFixture f;
        const QString path = f.currentFile(relative);
        auto t = f.window({path});
        QAction *item = t->window->actions().reopen[0];
        QVERIFY(item->isVisible());
        QCOMPARE(item->statusTip(), path);
        QCOMPARE(item->toolTip(), path);
        const QString shown = QString(item->text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
        QCOMPARE(item->text().count(u'&'), 2 * shown.count(u'&'));
        QCOMPARE(shown == path, !shortened);
        const QString name = QFileInfo(path).fileName();
        QVERIFY2(shown.endsWith(u'/' + name), qPrintable(shown));
        if (shortened) {
            QVERIFY2(shown.contains(u'…'), qPrintable(shown));
            QVERIFY2(shown.startsWith(path.left(kept)), qPrintable(shown)); // where it lies
            if (QFontMetrics(t->window->font()).horizontalAdvance(name) < 400)
                QVERIFY(t->window->actions().reopenMenu->sizeHint().width() < t->window->width());
        }
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("0"));
        item->trigger();
        QCOMPARE(battery(*t), QStringLiteral("99.0"));
    }

    void unwritableSettings_data()
    {
        QTest::addColumn<bool>("readOnlyFile");
        QTest::newRow("read-only config.ini") << true;
        QTest::newRow("config.ini under a file") << false;
    }
    // Guards a config.ini that cannot be written: the file opens all the
    // same (caption, values, the file Save writes to), the list stays as it
    // was, and the message names config.ini's full path. (A read-only mount
    // and a full disk, which refuse root too: test_refusing_file_systems.)
    void unwritableSettings()
    {
        QFETCH(bool, readOnlyFile);
        if (readOnlyFile && geteuid() == 0)
            QSKIP("root writes read-only files");
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc", "50.0"), b = f.currentFile("b.vxc");
        QString settingsFolder = f.settingsFolder();
        if (readOnlyFile) {
            f.setRecentFiles({a, "", "", ""});
            QFile(f.settingsPath()).setPermissions(QFileDevice::ReadOwner);
        } else {
            settingsFolder = QFileInfo(b).absoluteFilePath(); // a file, not a folder
        }
        TestWindow t({}, settingsFolder);
        const QString settingsPath = QDir(settingsFolder).filePath("config.ini");
        const RecentFiles listBefore = readRecentFiles(SettingsFile(settingsPath));
        t.boxes.shown.clear();
        QVERIFY(t.assembly->documents().loadDocument(b));
        QCOMPARE(t.boxes.shown.size(), 1);
        QCOMPARE(t.boxes.shown[0].text,
                 QStringLiteral("The file was opened, but the list of recent files could not be saved: "
                                "unable to write to %1.")
                     .arg(settingsPath));
        QCOMPARE(battery(t), QStringLiteral("99.0"));
        QCOMPARE(shownCaption(t.window), windowCaption(t, QStringLiteral("b.vxc")));
        QCOMPARE(t.assembly->documents().documentPath(), b);
        QCOMPARE(readRecentFiles(SettingsFile(settingsPath)), listBefore);
        if (readOnlyFile) {
            // Entry 1 needs no write, so reading it shows nothing.
            t.boxes.shown.clear();
            QVERIFY(t.assembly->documents().loadDocument(a));
            QCOMPARE(battery(t), QStringLiteral("50.0"));
            QVERIFY(t.boxes.shown.isEmpty());
        }
    }

    // Guards the shop's two commands: the check is shown the values a write
    // would send and the class it is left with becomes the menu's, kept in
    // config.ini; the sheet is offered under the document's name, written
    // with that class and tire, then opened to print. A cancelled dialog
    // writes nothing; a sheet that cannot be written says so and opens nothing.
    void roadCheckAndSettingsSheet()
    {
        DocumentFixture f;
        const QString a = f.file(QStringLiteral("a.vxc"), "1\r\n14.0\r\n43\r\n600\r\n");
        auto t = f.window({a});
        t->safetyDialogs.roadCheckAnswer = {findRoadClass(u"us-class1"), QStringLiteral("29x2.3")};
        t->window->actions().checkRoadClass->trigger();
        QCOMPARE(t->safetyDialogs.roadChecks.size(), 1);
        QCOMPARE(t->safetyDialogs.roadChecks[0][43], quint16(600));
        QVERIFY(t->control<QAction>("RoadClassUsClass11")->isChecked());
        QCOMPARE(readRoadClassSetting(SettingsFile(f.settingsPath())), QStringLiteral("us-class1"));

        t->window->actions().exportSettingsSheet->trigger(); // cancelled
        QCOMPARE(t->dialogs.suggestedSheetNames, QStringList{"a.pdf"});
        const QString sheet = f.path(QStringLiteral("sheets/a.pdf"));
        t->dialogs.sheetAnswers = {f.root(), sheet};
        t->window->actions().exportSettingsSheet->trigger(); // a folder cannot be replaced by a sheet
        QCOMPARE(t->boxes.shown.size(), 1);
        QVERIFY(t->boxes.shown[0].text.startsWith(QStringLiteral("Cannot create file ")));
        QVERIFY(t->shell.opened.isEmpty());
        t->window->actions().exportSettingsSheet->trigger();
        QCOMPARE(t->shell.opened, QList<QUrl>{QUrl::fromLocalFile(sheet)});
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) not found");
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), sheet, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(kHangMs));
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const char *expected : {"Document: a.vxc", "Rated power 600 W", "Road class: US class 1",
                                     "Tire: 29×2.3 (58-622), 2326 mm a turn",
                                     "Rated power: 600 W (allowed: at most 750 W)"}) {
            const bool found = page.contains(QString::fromUtf8(expected));
            // The class keeps to 750 W: that line must not be there.
            QVERIFY2(found != QByteArray(expected).startsWith("Rated power:"), expected);
        }
    }

    // Guards the sheet's file and first line: the open configuration is
    // never replaced (the dialog is offered again), the document is named
    // only while the window holds its values, and the status strip says where
    // the sheet went, also when no viewer could show it.
    void settingsSheetKeepsConfigurationsAndNamesOnlyItsValues()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) not found");
        DocumentFixture f;
        const QByteArray configuration("1\r\n14.0\r\n43\r\n600\r\n");
        const QString a = f.file(QStringLiteral("a.vxc"), configuration);
        auto t = f.window({a});
        const QString sheet = f.path(QStringLiteral("a.pdf"));
        const auto page = [&sheet] {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), sheet, QStringLiteral("-")});
            return text.waitForFinished(30000) ? QString::fromUtf8(text.readAllStandardOutput()).simplified()
                                               : QString();
        };
        t->dialogs.sheetAnswers = {a, sheet};
        t->window->actions().exportSettingsSheet->trigger();
        QCOMPARE(t->dialogs.asked, (QStringList{"sheet", "sheet"}));
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].kind, QStringLiteral("error"));
        QCOMPARE(t->boxes.shown[0].caption, QStringLiteral("Export Settings Sheet"));
        QVERIFY2(t->boxes.shown[0].text.startsWith(a + QStringLiteral(" is not a PDF file")),
                 qPrintable(t->boxes.shown[0].text));
        QCOMPARE(fileBytes(a), configuration);
        QCOMPARE(t->shell.opened, QList<QUrl>{QUrl::fromLocalFile(sheet)});
        QVERIFY(page().contains(QStringLiteral("Document: a.vxc")));
        auto *status = t->control<QLabel>("StatusMessage");
        QVERIFY(status);
        QCOMPARE(status->text(), QStringLiteral("Settings sheet saved to %1").arg(sheet));
        QVERIFY(!status->isHidden());

        // Edited: the values are the window's, and the sheet says so. The
        // earlier sheet is replaced; no viewer starts.
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("20.0"));
        t->shell.starts = false;
        t->dialogs.sheetAnswers = {sheet};
        t->window->actions().exportSettingsSheet->trigger();
        QCOMPARE(t->boxes.shown.size(), 1);
        QString text = page();
        QVERIFY2(text.contains(QStringLiteral("Values: the window's, not saved to a file")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("a.vxc")));
        QVERIFY(text.contains(QStringLiteral("Max battery current 20.0 A")));
        QCOMPARE(status->text(),
                 QStringLiteral("No PDF viewer could be started; settings sheet saved to %1").arg(sheet));

        // The document's own values again: named again.
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("14.0"));
        t->dialogs.sheetAnswers = {sheet};
        t->window->actions().exportSettingsSheet->trigger();
        QVERIFY(page().contains(QStringLiteral("Document: a.vxc")));
    }

    // Guards the desktop's opener: it says whether xdg-open found a program
    // for the target ("no method available" is its exit code 3).
    void desktopOpenerReportsWhetherAProgramStarted_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("opened");
        QTest::newRow("a viewer") << 0 << true;
        QTest::newRow("no method available") << 3 << false;
        QTest::newRow("the program failed") << 4 << false;
    }
    void desktopOpenerReportsWhetherAProgramStarted()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, opened);
        QTemporaryDir bin;
        const QString asked = bin.filePath(QStringLiteral("asked"));
        const QString script = bin.filePath(QStringLiteral("xdg-open"));
        writeFileBytes(script, QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexit %2\n")
                                   .arg(asked)
                                   .arg(exitCode)
                                   .toUtf8());
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
        const auto restore = qScopeGuard([&path] { qputenv("PATH", path); });
        auto result = std::make_shared<std::optional<bool>>();
        DesktopShellOpener().open(QUrl::fromLocalFile(QStringLiteral("/tmp/a b.pdf")),
                                  [result](bool started) { *result = started; });
        QTRY_VERIFY_WITH_TIMEOUT(result->has_value(), 60000);
        QCOMPARE(**result, opened);
        QCOMPARE(fileBytes(asked), QByteArray("file:///tmp/a%20b.pdf\n"));
    }

    void malformedFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // %1: the path
        QTest::newRow("key without value") << QByteArray("1\r\n55.0\r\n2\r\n") << "List index out of bounds (3)"; // ends with its own punctuation
        QTest::newRow("key not a number") << QByteArray("1\r\n55.0\r\nabc\r\n1\r\n")
                                          << "'abc' is not a valid integer value.";
        QTest::newRow("flag not a number") << QByteArray("1\r\n55.0\r\n8\r\nyes\r\n")
                                           << "'yes' is not a valid integer value.";
        QTest::newRow("missing file") << QByteArray() << "Cannot open file %1.";
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n") << "The file %1 contains no settings.";
    }
    // Guards the mended reader: a malformed or unreadable file shows its error
    // and changes nothing (caption, document, list, controls), so a following
    // Save cannot overwrite the user's file with a mix of values.
    void malformedFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc");
        const QString bad = bytes.isEmpty() ? f.path("absent.vxc") : f.file("bad.vxc", bytes);
        auto t = f.window({a});
        const ParameterSnapshot before = t->assembly->binding().snapshot();
        const QString caption = t->window->windowTitle();
        QVERIFY(!t->assembly->documents().loadDocument(bad));
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].kind, QStringLiteral("standard"));
        QCOMPARE(t->boxes.shown[0].text, message.contains("%1") ? message.arg(bad) : message);
        QVERIFY(t->assembly->binding().snapshot() == before);
        QCOMPARE(t->window->windowTitle(), caption);
        QCOMPARE(t->assembly->documents().documentPath(), a);
        QCOMPARE(f.recentFiles(), (RecentFiles{a, "", "", ""}));
    }

    void oldVersionQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("hallSensors");
        QTest::newRow("yes: 120° sensors") << true << 0;
        QTest::newRow("no: sensorless") << false << 2;
    }
    // Guards the old-version repair: the Yes/No question with an empty caption
    // and its exact text chooses the Hall sensor type, and the pairs after it
    // still apply.
    void oldVersionQuestion()
    {
        QFETCH(bool, yes);
        QFETCH(int, hallSensors);
        DocumentFixture f;
        const QString old = f.file("old.vxc", "40\r\n\r\n41\r\n1\r\n");
        auto t = f.window();
        t->boxes.answerYes = yes;
        QVERIFY(t->assembly->documents().loadDocument(old));
        QCOMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].kind, QStringLiteral("question"));
        QVERIFY(t->boxes.shown[0].caption.isEmpty());
        QCOMPARE(t->boxes.shown[0].text,
                 QStringLiteral("The setting file to be opened missed one data because of a bug in the "
                                "old version. Please answer one question now.\nDoes the motor have 3 "
                                "hall sensors?"));
        QCOMPARE(t->control<RadioGroup>("RadioGroup4")->itemIndex(), hallSensors);
        QCOMPARE(t->control<RadioGroup>("RadioGroup3")->itemIndex(), 1);
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("after"); // the battery current the command brings
        QTest::addColumn<SaveChoice>("answer");
        const QList<std::pair<const char *, const char *>> commands = {
            {"new", "14.0"}, {"open", "22.0"}, {"reopen", "22.0"}, {"drop", "22.0"},
            {"restore", "33.0"}, {"profile", "44.0"}, {"exit", ""}};
        for (const auto &[command, after] : commands) {
            for (const auto &[name, answer] : {std::pair{"save", SaveChoice::Save},
                                               std::pair{"discard", SaveChoice::Discard},
                                               std::pair{"cancel", SaveChoice::Cancel}})
                QTest::addRow("%s, %s", command, name) << command << after << answer;
        }
    }
    // Guards the edits against the commands that replace them and against
    // closing: the caption marks them, each command asks "Save the changes
    // to a.vxc?"; Cancel keeps values, document and caption, Discard goes
    // on, Save writes a.vxc first and then goes on.
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, command);
        QFETCH(QString, after);
        QFETCH(SaveChoice, answer);
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc", "99.0");
        f.setRecentFiles({f.currentFile("b.vxc", "22.0"), "", "", ""});
        auto t = f.window({a});
        f.currentFile(QDir(t->backupFolder.path()).filePath("2026-01-02_03-04-05.vxc"), "33.0");
        addTourProfile(*t, f);
        const QByteArray saved = fileBytes(a);
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("12.5"));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("a.vxc*")));
        t->boxes.saveAnswer = answer;
        giveCommand(*t, command, f);
        QTRY_COMPARE(t->boxes.shown.size(), 1);
        QCOMPARE(t->boxes.shown[0].kind, QStringLiteral("save"));
        QCOMPARE(t->boxes.shown[0].caption, t->window->programTitle());
        QCOMPARE(t->boxes.shown[0].text, QStringLiteral("Save the changes to a.vxc?"));
        QCOMPARE(fileBytes(a).startsWith("1\r\n12.5\r\n"), answer == SaveChoice::Save);
        if (answer != SaveChoice::Save)
            QCOMPARE(fileBytes(a), saved);
        if (answer == SaveChoice::Cancel) {
            QTest::qWait(0); // a drop reads once the event loop runs
            QCOMPARE(battery(*t), QStringLiteral("12.5"));
            QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("a.vxc*")));
            QCOMPARE(t->assembly->documents().documentPath(), a);
            QVERIFY(t->window->isVisible());
        } else if (command == "exit") {
            QTRY_VERIFY(!t->window->isVisible());
        } else {
            QTRY_COMPARE(battery(*t), after);
        }
        QCOMPARE(t->boxes.shown.size(), 1);
    }

    void nothingChangedAsksNothing_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command : {"new", "open", "reopen", "drop", "restore", "profile", "exit"})
            QTest::newRow(command) << command;
    }
    // Guards the other side: a value typed and typed back, and the values
    // just opened, saved or read back are no change. The caption is exactly
    // the unmarked one, and no command asks.
    void nothingChangedAsksNothing()
    {
        QFETCH(QString, command);
        DocumentFixture f;
        const QString a = f.currentFile("a.vxc", "99.0");
        f.setRecentFiles({f.currentFile("b.vxc", "22.0"), "", "", ""});
        auto t = f.window({a});
        f.currentFile(QDir(t->backupFolder.path()).filePath("2026-01-02_03-04-05.vxc"), "33.0");
        addTourProfile(*t, f);
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("a.vxc")));
        auto *field = t->control<QLineEdit>("LabeledEdit16");
        field->setText(QStringLiteral("12.5"));
        field->setText(QStringLiteral("99.0"));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("a.vxc")));
        field->setText(QStringLiteral("12.5"));
        t->window->actions().save->trigger(); // saved: no change any more
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("a.vxc")));
        giveCommand(*t, command, f);
        if (command == "exit")
            QTRY_VERIFY(!t->window->isVisible());
        else
            QTRY_VERIFY(battery(*t) != QStringLiteral("12.5"));
        QVERIFY(t->boxes.shown.isEmpty());
        // A backup's or a profile's values are not the document's.
        if (command == "restore" || command == "profile") {
            QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("a.vxc*")));
            QCOMPARE(t->assembly->documents().documentPath(), a);
        }
    }

    // Guards File > Save as Profile… and File > Profiles: the window's values
    // kept under the name with the note (a name's "&" shown as it is), one of
    // the same name replaced only when the user says so, the menu listing
    // them with their notes, and "No Profiles Yet" while there is none.
    void profilesKeepTheWindowsValues()
    {
        DocumentFixture f;
        auto t = f.window();
        QMenu *menu = t->window->actions().profilesMenu;
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("No Profiles Yet"));
        QVERIFY(!menu->actions()[0]->isEnabled());

        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("12.5"));
        t->dialogs.profileAnswers = {{QStringLiteral("Tour & Trail"), QStringLiteral("36 V, 20 Ah")}};
        t->window->actions().saveAsProfile->trigger();
        const QString kept = QDir(t->profileFolder.path()).filePath(QStringLiteral("Tour & Trail.vxc"));
        QCOMPARE(fileBytes(kept), configurationFileBytes(t->assembly->binding().snapshot()));
        QVERIFY(t->boxes.shown.isEmpty());

        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("20.0"));
        t->dialogs.profileAnswers = {{QStringLiteral("Tour & Trail"), QString()}};
        t->boxes.answerYes = false;
        t->window->actions().saveAsProfile->trigger();
        QCOMPARE(t->boxes.shown.value(0).text,
                 QStringLiteral("A profile named \"Tour & Trail\" exists already. Replace it?"));
        QVERIFY(fileBytes(kept).startsWith("1\r\n12.5\r\n"));

        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Tour && Trail"));
        QCOMPARE(menu->actions()[0]->toolTip(), QStringLiteral("36 V, 20 Ah"));
        t->boxes.saveAnswer = SaveChoice::Discard;
        menu->actions()[0]->trigger();
        QCOMPARE(battery(*t), QStringLiteral("12.5"));
    }

    // Guards the untitled document's question and the caption of a name that
    // holds Qt's placeholder: shown as it is, never taken for the mark.
    void untitledAndOddNamesInTheQuestion()
    {
        DocumentFixture f;
        const QString odd = f.currentFile("x[*].vxc", "99.0");
        auto t = f.window();
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("Untitled.vxc")));
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("12.5"));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("Untitled.vxc*")));
        t->boxes.saveAnswer = SaveChoice::Save;
        t->window->actions().open->trigger(); // Save As is cancelled: Open does not go on
        QCOMPARE(t->dialogs.asked, QStringList{"save"});
        QCOMPARE(t->boxes.shown.value(0).text, QStringLiteral("Save the changes to Untitled.vxc?"));
        QCOMPARE(battery(*t), QStringLiteral("12.5"));

        t->boxes.saveAnswer = SaveChoice::Discard;
        t->dialogs.openAnswers = {odd};
        t->window->actions().open->trigger();
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("x[*].vxc")));
        t->control<QLineEdit>("LabeledEdit16")->setText(QStringLiteral("12.5"));
        QCOMPARE(shownCaption(t->window), windowCaption(*t, QStringLiteral("x[*].vxc*")));
    }

    // Guards the side effects of reading: the check boxes switch their groups
    // and the level count disables the levels beyond it.
    void readingRunsTheInputRules()
    {
        DocumentFixture f;
        const QString a = f.file("a.vxc", "14\r\n0\r\n20\r\n5\r\n");
        auto t = f.window({a});
        QVERIFY(!t->control<QLineEdit>("LabeledEdit1")->isEnabled()); // throttle group off
        QCOMPARE(t->control<QLineEdit>("LabeledEdit4")->text(), QStringLiteral("5"));
        QVERIFY(t->control<QLineEdit>("LabeledEdit9")->isEnabled());   // level 5
        QVERIFY(!t->control<QLineEdit>("LabeledEdit10")->isEnabled()); // level 6
    }
};

QTEST_MAIN(TestDocuments)
#include "test_documents.moc"
