#pragma once

#include <QString>

#include <optional>

namespace vexlor {

// Where a shop keeps its one register for all its benches: a PostgreSQL
// server, named as postgresql://USER@HOST[:PORT]/DB. Never with a password:
// libpq finds that itself in ~/.pgpass or PGPASSWORD.
struct ServerAddress {
    QString user;
    QString host;
    int port = -1; // -1: the server's usual one
    QString database;

    // postgresql://USER@HOST[:PORT]/DB, for messages.
    [[nodiscard]] QString text() const;
};

struct ParsedServerAddress {
    std::optional<ServerAddress> address;
    QString error; // why `text` names no server; it never shows a password
};

// Whether `text` means a server rather than nothing (empty: this bench only).
[[nodiscard]] bool namesServer(const QString &text);

// `text` as given, any password in it left out, so no message shows one.
[[nodiscard]] QString withoutPassword(const QString &text);

[[nodiscard]] ParsedServerAddress parseServerAddress(const QString &text);

} // namespace vexlor
