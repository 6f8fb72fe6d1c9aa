#pragma once

#include "server_address.h"

#include "register/register_record.h"

#include <QList>
#include <QString>

namespace vexlor {

// The shop's register on its PostgreSQL server (Qt's QPSQL driver), the
// same table as on a bench. A record is delivered in one transaction and at
// most once: its UUID is the table's key, and a record the server holds
// already is left as it is. Connected at first use and again after any
// failure, so a server that comes back is found by the next operation.
class ServerRegister {
public:
    explicit ServerRegister(ServerAddress address);
    ~ServerRegister();
    ServerRegister(const ServerRegister &) = delete;
    ServerRegister &operator=(const ServerRegister &) = delete;

    // Connects and brings the tables up to date; empty when done, else why not.
    [[nodiscard]] QString open();
    // Empty when the server holds `record` (now or before), else why not.
    [[nodiscard]] QString deliver(const RegisterRecord &record);
    // Every bench's records, newest first.
    [[nodiscard]] QList<RegisterRecord> records(QString &error);
    [[nodiscard]] QString location() const { return m_address.text(); }
    [[nodiscard]] bool isOpen() const { return m_open; }

    // How long a server that does not answer may hold an operation: libpq
    // gives up connecting after this many seconds.
    static constexpr int kConnectTimeoutSeconds = 3;

private:
    void close();
    [[nodiscard]] QString failure(const char *text, const QString &reason);

    ServerAddress m_address;
    QString m_connection; // Qt SQL's name for this object's connection
    bool m_open = false;
};

} // namespace vexlor
