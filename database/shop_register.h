#pragma once

#include "server_register.h"
#include "sqlite_register.h"

#include "register/record_register.h"

#include <QDeadlineTimer>
#include <QString>

#include <memory>

namespace vexlor {

// The register of a bench in a shop with a server: every record is kept
// first in the bench's own SQLite register, marked undelivered, and then
// goes to the server with every other record still waiting, oldest first;
// a record is marked delivered only once the server has it. The server out
// of reach never stops an operation: its record waits here and goes with
// the next one that finds the server. A process ended between the server's
// commit and the mark delivers the record again, which the server leaves
// as it has it.
class ShopRegister final : public Register {
public:
    // `server` null: a server is configured but cannot be used here, and
    // `problem` says why (records then wait on this bench).
    ShopRegister(const QString &localPath, std::unique_ptr<ServerRegister> server, QString serverName,
                 QString problem = {});

    [[nodiscard]] QString add(const RegisterRecord &record) override;
    // The server's records (every bench's), else this bench's own.
    [[nodiscard]] QList<RegisterRecord> records(QString &error) override;
    [[nodiscard]] QString location() const override { return m_serverName; }
    [[nodiscard]] QString waitingNote() const override { return m_waitingNote; }
    [[nodiscard]] QString readNote() const override { return m_readNote; }

    // After the server could not be reached, the operations of the next
    // half minute keep their records here at once instead of each waiting
    // out the connection's time limit again; reading History asks anew.
    static constexpr int kQuietAfterFailureMs = 30000;

private:
    // Sends every waiting record; empty when none waits any more, else why.
    [[nodiscard]] QString deliverWaiting(bool evenWhileQuiet = false);
    [[nodiscard]] QString serverProblem(bool evenWhileQuiet);

    SqliteRegister m_local;
    std::unique_ptr<ServerRegister> m_server;
    QString m_serverName;
    QString m_problem;
    QDeadlineTimer m_quietUntil; // expired: the server may be asked
    QString m_quietReason;       // why it could not be reached last time
    QString m_waitingNote;
    QString m_readNote;
};

} // namespace vexlor
