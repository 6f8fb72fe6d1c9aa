#pragma once

#include "register_record.h"

#include <QList>
#include <QString>

namespace vexlor {

// Where the records are kept. An implementation on a database sits in its
// own library (database/); a build without one keeps NoRegister, which says
// why. Nothing that records ever stops for the register: add() reports why a
// record was not kept and the operation goes on.
class Register {
public:
    virtual ~Register() = default;

    // Keeps `record` whole or not at all. Empty when kept, else why not.
    [[nodiscard]] virtual QString add(const RegisterRecord &record) = 0;
    // Every record, newest first; `error` says why none could be read.
    [[nodiscard]] virtual QList<RegisterRecord> records(QString &error) = 0;
    // Where the records are kept, for messages: a path or a server.
    [[nodiscard]] virtual QString location() const = 0;
    // Why this build keeps no register at all; empty where it keeps one.
    [[nodiscard]] virtual QString unavailableReason() const { return {}; }
    // About the last add() that kept its record: that it waits on this bench
    // for the shop's server, and why. Empty when nothing waits.
    [[nodiscard]] virtual QString waitingNote() const { return {}; }
    // Where the last records() read from, where more than one place may
    // keep them (the shop's server, else this bench's own). Empty where not.
    [[nodiscard]] virtual QString readNote() const { return {}; }
};

// The register of a build without a database: keeps nothing and says so.
class NoRegister final : public Register {
public:
    [[nodiscard]] QString add(const RegisterRecord &record) override;
    [[nodiscard]] QList<RegisterRecord> records(QString &error) override;
    [[nodiscard]] QString location() const override { return {}; }
    [[nodiscard]] QString unavailableReason() const override;
};

// "register.sqlite" in the user's data folder, beside the backups folder.
[[nodiscard]] QString defaultRegisterPath();

} // namespace vexlor
