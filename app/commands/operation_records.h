#pragma once

#include "params/parameter_snapshot.h"
#include "register/record_register.h"

#include <QString>

#include <functional>

class QLabel;

namespace vexlor {

// What the window's commands record their operations with: the register,
// the bike's label, the port in use and its cable. Not a command: the
// controller, backup and shop commands share it. A record the register
// cannot keep is named in the status strip's message with why; the
// operation has gone on all the same.
class OperationRecords {
public:
    // The port in use (or the one the tool would use) and its cable's USB
    // serial number, as the session and the port list know them.
    struct Link {
        std::function<QString()> port;
        std::function<QString(const QString &port)> cableSerial;
        std::function<QString()> documentPath; // the window's document, empty for none
    };

    // `records` and `statusMessage` must outlive this; a null register
    // records nothing and says nothing (tests of other things).
    OperationRecords(Register *records, QLabel *statusMessage, Link link);

    [[nodiscard]] Register *records() const { return m_records; }
    // How the cable's serial number is found, once the port list is known.
    void setCableSerialLookup(std::function<QString(const QString &port)> lookup)
    {
        m_link.cableSerial = std::move(lookup);
    }
    [[nodiscard]] const QString &bike() const { return m_bike; }
    void setBike(const QString &label) { m_bike = label; }

    // A new record of `operation` with the bike, the port, the cable and
    // the window's document.
    [[nodiscard]] RegisterRecord newRecord(const char *operation) const;
    void keep(const RegisterRecord &record);

    // The window took these values from the backup at `path`: a write of
    // them unchanged puts the backup back.
    void noteRestoredBackup(const ParameterSnapshot &values, const QString &path);
    // The backup a write of `values` puts back; empty when they are others.
    [[nodiscard]] QString restoredBackup(const ParameterSnapshot &values) const;

private:
    Register *m_records;
    QLabel *m_statusMessage;
    Link m_link;
    QString m_bike;
    ParameterSnapshot m_restored;
    QString m_restoredPath;
};

} // namespace vexlor
