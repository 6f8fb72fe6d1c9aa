// The whole-file writer against a disk that takes the bytes but cannot
// store them: the sync after the last write fails (EIO), as a failing device
// or a full disk behind a network share reports it. (A full local disk is
// test_refusing_file_systems's.)

#include "file_bytes.h"
#include "files/whole_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>

#include <sys/syscall.h>
#include <unistd.h>

namespace {
std::atomic<bool> failingSync{false};
} // namespace

// This program's fsync: the system's, or EIO while failingSync is set.
extern "C" int fsync(int fd)
{
    if (failingSync) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_fsync, fd));
}

class TestWholeFile : public QObject {
    Q_OBJECT
private slots:
    // Guards the promise that the old file is replaced only once every byte
    // is on the disk: a failed sync keeps the old file and leaves no
    // temporary file behind.
    void failedSyncKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.vxc"));
        QVERIFY(vexlor::writeWholeFile(path, "old"));
        failingSync = true;
        const bool written = vexlor::writeWholeFile(path, "new");
        failingSync = false;
        QVERIFY(!written);
        QCOMPARE(fileBytes(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.vxc"});
        QVERIFY(vexlor::writeWholeFile(path, "new"));
        QCOMPARE(fileBytes(path), QByteArray("new"));
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "test_whole_file.moc"
