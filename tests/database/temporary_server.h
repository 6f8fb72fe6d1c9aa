#pragma once

// A PostgreSQL server of the test's own: made by initdb in a temporary
// folder and run by pg_ctl, on a free port of the loopback address, trusting
// whoever connects there. initdb refuses to run as root, so as root the
// server runs as the ordinary user nobody, through runuser.

#include "event_wait.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

// A socket listening on the loopback address at a port the system chose
// that never answers: a client's connection is made and then left silent.
class SilentListener {
public:
    SilentListener()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), length) != 0
            || ::listen(m_socket, 16) != 0
            || ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        ::fcntl(m_socket, F_SETFL, ::fcntl(m_socket, F_GETFL) | O_NONBLOCK);
    }
    ~SilentListener()
    {
        for (const int connection : m_connections)
            ::close(connection);
        if (m_socket >= 0)
            ::close(m_socket);
    }
    // How many connections clients have made so far (each held open, unanswered).
    [[nodiscard]] int connections()
    {
        for (int connection; (connection = ::accept(m_socket, nullptr, nullptr)) >= 0;)
            m_connections.append(connection);
        return int(m_connections.size());
    }
    SilentListener(const SilentListener &) = delete;
    SilentListener &operator=(const SilentListener &) = delete;
    [[nodiscard]] int port() const { return m_port; } // 0: none
private:
    int m_socket = -1;
    int m_port = 0;
    QList<int> m_connections;
};

class TemporaryServer {
public:
    // Why no server can be made on this machine; empty when one can.
    [[nodiscard]] QString missing() const
    {
        if (m_bin.isEmpty())
            return QStringLiteral("initdb and pg_ctl not found (Debian's package postgresql)");
        if (::geteuid() == 0 && (QStandardPaths::findExecutable(QStringLiteral("runuser")).isEmpty()
                                 || !::getpwnam("nobody")))
            return QStringLiteral("running as root without runuser or the user nobody");
        return {};
    }

    TemporaryServer() : m_bin(serverPrograms()) {}
    ~TemporaryServer() { (void)stop(QStringLiteral("immediate")); }
    TemporaryServer(const TemporaryServer &) = delete;
    TemporaryServer &operator=(const TemporaryServer &) = delete;

    // Makes the cluster and starts it; empty when it runs, else why not.
    [[nodiscard]] QString create()
    {
        if (const passwd *nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr)
            (void)::chown(QFile::encodeName(m_dir.path()).constData(), nobody->pw_uid, nobody->pw_gid);
        if (!run(QStringLiteral("initdb"), {QStringLiteral("-D"), dataFolder(), QStringLiteral("-U"),
                                             QStringLiteral("shop"), QStringLiteral("--auth=trust"),
                                             QStringLiteral("-E"), QStringLiteral("UTF8"),
                                             QStringLiteral("--no-sync")}))
            return QStringLiteral("initdb failed: ") + m_output;
        m_port = SilentListener().port(); // free a moment ago, and the server takes it at once
        return start();
    }

    [[nodiscard]] QString start()
    {
        const QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -F")
                                    .arg(m_port)
                                    .arg(m_dir.path());
        if (!run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), dataFolder(), QStringLiteral("-l"),
                                             m_dir.filePath(QStringLiteral("server.log")), QStringLiteral("-w"),
                                             QStringLiteral("-o"), options, QStringLiteral("start")}))
            return QStringLiteral("pg_ctl start failed: ") + m_output + log();
        return {};
    }

    // "fast": the server ends its sessions and stops, as a shop's would.
    [[nodiscard]] bool stop(const QString &mode = QStringLiteral("fast"))
    {
        if (m_port == 0 || !QFile::exists(dataFolder() + QStringLiteral("/postmaster.pid")))
            return true;
        return run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), dataFolder(), QStringLiteral("-m"), mode,
                                              QStringLiteral("-w"), QStringLiteral("stop")});
    }

    [[nodiscard]] int port() const { return m_port; }
    [[nodiscard]] QString url(const QString &database) const
    {
        return QStringLiteral("postgresql://shop@127.0.0.1:%1/%2").arg(m_port).arg(database);
    }
    [[nodiscard]] QString log() const
    {
        QFile file(m_dir.filePath(QStringLiteral("server.log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

private:
    // On PATH, else in the newest version's folder of Debian's packages.
    static QString serverPrograms()
    {
        const QString onPath = QStandardPaths::findExecutable(QStringLiteral("pg_ctl"));
        if (!onPath.isEmpty() && !QStandardPaths::findExecutable(QStringLiteral("initdb")).isEmpty())
            return QFileInfo(onPath).absolutePath();
        const QDir root(QStringLiteral("/usr/lib/postgresql"));
        for (const QString &version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed)) {
            const QString bin = root.filePath(version + QStringLiteral("/bin"));
            if (QFile::exists(bin + QStringLiteral("/initdb")) && QFile::exists(bin + QStringLiteral("/pg_ctl")))
                return bin;
        }
        return {};
    }

    QString dataFolder() const { return m_dir.filePath(QStringLiteral("data")); }

    bool run(const QString &program, const QStringList &args)
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        const QString path = m_bin + u'/' + program;
        if (::geteuid() == 0)
            process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("nobody"),
                                                                 QStringLiteral("--"), path} + args);
        else
            process.start(path, args);
        const bool finished = process.waitForFinished(kHangMs);
        m_output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
        return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QString m_bin;
    QTemporaryDir m_dir;
    int m_port = 0;
    QString m_output;
};
