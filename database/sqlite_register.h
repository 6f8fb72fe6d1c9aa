#pragma once

#include "register/record_register.h"

#include <QString>

namespace vexlor {

// The register as a SQLite database (Qt's QSQLITE driver): a write-ahead
// log, one transaction per record, so a process killed while it records
// leaves the record whole or not at all. Opened at the first add() or
// records(), and again at the next one when that failed: a register that
// cannot be opened now may be later.
class SqliteRegister final : public Register {
public:
    explicit SqliteRegister(QString path);
    ~SqliteRegister() override;
    SqliteRegister(const SqliteRegister &) = delete;
    SqliteRegister &operator=(const SqliteRegister &) = delete;

    [[nodiscard]] QString add(const RegisterRecord &record) override;
    [[nodiscard]] QList<RegisterRecord> records(QString &error) override;
    [[nodiscard]] QString location() const override { return m_path; }

    // The records not yet delivered to a shop's server, oldest first.
    [[nodiscard]] QList<RegisterRecord> waiting(QString &error);
    // Marks the record `uuid` delivered; empty when done, else why not.
    [[nodiscard]] QString markDelivered(const QString &uuid);

    // How long a record waits for another program that holds the register
    // locked before it gives up and the operation goes on unrecorded.
    static constexpr int kBusyTimeoutMs = 2000;

private:
    // Empty when open and up to date, else why not.
    [[nodiscard]] QString open();
    [[nodiscard]] QList<RegisterRecord> select(const QString &statement, QString &error);
    void close();

    QString m_path;
    QString m_connection; // Qt SQL's name for this object's connection
    bool m_open = false;
};

} // namespace vexlor
