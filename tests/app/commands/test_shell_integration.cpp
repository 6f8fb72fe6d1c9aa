// Files handed over by the desktop: dropped on the window, or named on the
// command line at start-up.

#include "event_wait.h"
#include "document_fixture.h"

#include "commands/document_commands.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

using namespace vexlor;

namespace {

QString battery(const TestWindow &t)
{
    return t.control<QLineEdit>("LabeledEdit16")->text();
}

// Drags `urls` over the window and drops them; true when the window took the drag.
bool dropOn(QWidget *window, const QList<QUrl> &urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint centre = window->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    return true;
}

} // namespace

class TestShellIntegration : public QObject {
    Q_OBJECT
private slots:
    void drops_data()
    {
        QTest::addColumn<QStringList>("items"); // relative to the scratch folder
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("message"); // reported instead of reading; %1 the path
        QTest::newRow("first of three, upper-case extension") << QStringList{"A.VXC", "b.vxc", "c.txt"} << true << "";
        QTest::newRow("a .vxc file") << QStringList{"b.vxc"} << true << "";
        QTest::newRow("another type first") << QStringList{"c.txt", "b.vxc"} << false << "";
        QTest::newRow("a folder, even one named .vxc") << QStringList{"folder.vxc"} << false << "";
        // Reported like any file that cannot be read.
        QTest::newRow("a .vxc that is gone") << QStringList{"gone.vxc"} << false << "Cannot open file %1.";
        QTest::newRow("an empty .vxc") << QStringList{"empty.vxc"} << false << "The file %1 contains no settings.";
    }
    // Guards drops: only the first item counts and only a .vxc file (any case)
    // is read; anything else, a folder included, changes nothing. The mended
    // fault: a folder's path never lands in the stator resistance field.
    void drops()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, read);
        QFETCH(QString, message);
        DocumentFixture f;
        f.file("empty.vxc", "\r\n");
        f.currentFile("A.VXC", "11.0");
        f.currentFile("b.vxc", "22.0");
        f.currentFile("c.txt", "33.0");
        QDir().mkpath(f.path("folder.vxc"));
        auto t = f.window();
        auto *pages = t->control<QTabWidget>("PageControl1");
        pages->setCurrentIndex(1);
        const QString caption = t->window->windowTitle();
        QList<QUrl> urls;
        for (const QString &item : items)
            urls << QUrl::fromLocalFile(f.path(item));

        if (read) {
            QVERIFY(dropOn(t->window, urls));
            // Read only once the drop has returned: a question the file may
            // ask must not run while the drag source waits for the drop.
            QCOMPARE(battery(*t), QStringLiteral("14.0"));
            TRY_COMPARE(battery(*t), items[0] == "A.VXC" ? QStringLiteral("11.0") : QStringLiteral("22.0"));
            QCOMPARE(shownCaption(t->window), windowCaption(*t, items[0]));
            QCOMPARE(f.recentFiles()[0], f.path(items[0]));
        } else {
            (void)dropOn(t->window, urls);
            QTest::qWait(0); // let a deferred read happen, if one was queued
            QCOMPARE(battery(*t), QStringLiteral("14.0"));
            QCOMPARE(t->window->windowTitle(), caption);
            QCOMPARE(t->control<QLineEdit>("Edit7")->text(), QStringLiteral("300"));
            QCOMPARE(pages->currentIndex(), 1);
            QVERIFY(!QFile::exists(f.settingsPath()));
            QCOMPARE(t->boxes.shown.size(), message.isEmpty() ? 0 : 1);
            if (!message.isEmpty())
                QCOMPARE(t->boxes.shown[0].text, message.arg(f.path(items[0])));
        }
    }

    // Guards where drops land: the whole window takes them, so an edit under
    // the pointer never takes a dropped file's path as text.
    void editsLeaveDropsToTheWindow()
    {
        DocumentFixture f;
        auto t = f.window();
        QVERIFY(t->window->acceptDrops());
        for (QLineEdit *edit : t->window->findChildren<QLineEdit *>())
            QVERIFY2(!edit->acceptDrops(), qPrintable(edit->objectName()));
        QMimeData text;
        text.setText(QStringLiteral("hello"));
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(t->window, &enter);
        QVERIFY(!enter.isAccepted());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("parameters"); // "@" stands for the scratch folder
        QTest::addColumn<QString>("opened");          // the caption's file name; empty: none
        QTest::addColumn<QString>("listed");          // entry 1 afterwards
        QTest::addColumn<QString>("message");         // the one shown, if any
        QTest::newRow("one existing file") << QStringList{"@/a.vxc"} << "a.vxc" << "@/a.vxc" << "";
        QTest::newRow("any extension") << QStringList{"@/a.txt"} << "a.txt" << "@/a.txt" << "";
        QTest::newRow("parameters joined without blanks")
            << QStringList{"@/My", "Settings/a.vxc"} << "a.vxc" << "@/MySettings/a.vxc" << "";
        QTest::newRow("relative path stays relative") << QStringList{"a.vxc"} << "a.vxc" << "a.vxc" << "";
        QTest::newRow("no parameters: Reopen 1") << QStringList{} << "recent.vxc" << "@/recent.vxc" << "";
        QTest::newRow("no such file: nothing, not even Reopen 1")
            << QStringList{"@/My", "Settings/none.vxc"} << "" << "@/recent.vxc" << "";
        // As File > Open says it: neither is read, and nothing waits on a pipe.
        QTest::newRow("a folder: refused") << QStringList{"@/MySettings"} << "" << "@/recent.vxc"
                                           << "Cannot open file @/MySettings: it is not a regular file.";
        QTest::newRow("a FIFO: refused") << QStringList{"@/pipe.vxc"} << "" << "@/recent.vxc"
                                         << "Cannot open file @/pipe.vxc: it is not a regular file.";
        QTest::newRow("an empty file: refused") << QStringList{"@/empty.vxc"} << "" << "@/recent.vxc"
                                                << "The file @/empty.vxc contains no settings.";
    }
    // Guards the command line at start-up: the joined path is read when a
    // file is there; no parameters run Reopen 1; a path naming nothing opens
    // nothing and leaves the caption at the title alone; a folder or a pipe
    // gets Open's message.
    void commandLine()
    {
        QFETCH(QStringList, parameters);
        QFETCH(QString, opened);
        QFETCH(QString, listed);
        QFETCH(QString, message);
        DocumentFixture f;
        const QString root = f.root();
        f.file("empty.vxc", "");
        f.currentFile("a.vxc", "11.0");
        f.currentFile("a.txt", "12.0");
        f.currentFile("MySettings/a.vxc", "13.0");
        f.setRecentFiles({f.currentFile("recent.vxc", "15.0"), "", "", ""});
        QVERIFY(mkfifo(QFile::encodeName(f.path("pipe.vxc")).constData(), 0600) == 0);
        for (QString &p : parameters)
            p.replace(u'@', root);
        listed.replace(u'@', root);
        message.replace(u'@', root);

        auto t = f.window(parameters);
        if (opened.isEmpty()) {
            QCOMPARE(shownCaption(t->window), t->window->programTitle());
            QCOMPARE(battery(*t), QStringLiteral("14.0"));
        } else {
            QCOMPARE(shownCaption(t->window), windowCaption(*t, opened));
            QVERIFY(battery(*t) != QStringLiteral("14.0"));
        }
        QCOMPARE(f.recentFiles()[0], listed);
        QCOMPARE(t->boxes.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(t->boxes.shown[0].text, message);
    }
};

QTEST_MAIN(TestShellIntegration)
#include "test_shell_integration.moc"
