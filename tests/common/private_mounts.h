#pragma once

// File systems that refuse, for tests of what the tool does when a write
// fails: a read-only file or folder, and a small disk that is full. Both are
// mounts in a mount namespace of the test program's own, so nothing outside
// the test sees them, and they refuse root too (who ignores permissions).
//
// Call enterPrivateMountNamespace() first thing in main, while the program
// has one thread: it unshares the mount namespace (root) or a user and mount
// namespace (anyone else, as `unshare -rm` does). Where neither is allowed
// (a container without the right), mountRefusal() says why and the tests
// that need a mount skip with that reason.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace privateMounts {

// Why this program cannot mount; empty when it can.
inline QString &mountRefusal()
{
    static QString reason = QStringLiteral("enterPrivateMountNamespace() was not called");
    return reason;
}

inline bool writeProcFile(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

inline void enterPrivateMountNamespace()
{
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    QString &reason = mountRefusal();
    const bool ownNamespace = uid == 0 && ::unshare(CLONE_NEWNS) == 0;
    if (!ownNamespace) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            reason = QStringLiteral("no private mount namespace may be made here (unshare: %1)")
                         .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        // Root inside, this user outside: what `unshare -r` maps.
        if (!writeProcFile("/proc/self/setgroups", "deny")
            || !writeProcFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
            || !writeProcFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1")) {
            reason = QStringLiteral("the user namespace's identity could not be mapped");
            return;
        }
    }
    // Mounts made from now on stay in this namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        reason = QStringLiteral("mounts could not be made private (%1)")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    reason.clear();
}

// Makes the file or folder at `path` read-only for everybody (a read-only
// bind mount onto itself) until unmount(path).
[[nodiscard]] inline bool makeReadOnly(const QString &path)
{
    const QByteArray p = QFile::encodeName(path);
    if (::mount(p.constData(), p.constData(), nullptr, MS_BIND, nullptr) != 0)
        return false;
    return ::mount(nullptr, p.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

// Mounts an empty file system of `kib` KiB at the folder `path` until
// unmount(path).
[[nodiscard]] inline bool mountSmallDisk(const QString &path, int kib)
{
    const QByteArray options = "size=" + QByteArray::number(kib) + "k";
    return ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                   options.constData())
        == 0;
}

// Fills the file system holding the folder `path` with one file, until a
// write is refused for want of room. False when it never filled.
[[nodiscard]] inline bool fillDisk(const QString &path)
{
    QFile filler(QDir(path).filePath(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(512, 'f');
    for (int i = 0; i < 1 << 20; ++i) {
        // A short write takes the last bytes; the next one is refused.
        if (filler.write(block) < 0)
            return filler.error() == QFileDevice::ResourceError; // ENOSPC
    }
    return false;
}

inline void unmount(const QString &path)
{
    ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
}

} // namespace privateMounts
