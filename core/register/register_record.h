#pragma once

#include "params/number_text.h"
#include "params/parameter_comparison.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace vexlor {

struct RoadClass;

// What was done to a controller (or with its settings), as the register
// names it.
namespace operations {
inline constexpr const char *kRead = "read";
inline constexpr const char *kWrite = "write";
inline constexpr const char *kCompare = "compare";
inline constexpr const char *kRestore = "restore"; // a backup's values written back
inline constexpr const char *kSheet = "sheet";     // a settings sheet made
} // namespace operations

// How an operation ended, as the register names it.
namespace outcomes {
inline constexpr const char *kDone = "done";
inline constexpr const char *kFailed = "failed";
inline constexpr const char *kDifferent = "different"; // a compare that found other values
} // namespace outcomes

// Whether the values written keep the road class chosen, as the register names it.
namespace road_checks {
inline constexpr const char *kKeeps = "keeps";
inline constexpr const char *kBreaks = "breaks";
} // namespace road_checks

// One operation as the register keeps it. Every text may be empty where it
// is not known (no cable serial number on a pseudo-terminal, no controller
// version without a read).
struct RegisterRecord {
    QString uuid;          // unique over every bench, so a record is delivered once
    QDateTime time;        // UTC
    QString operation;     // operations::
    QString user;          // the operating system's user
    QString host;
    QString toolVersion;
    QString port;
    QString cableSerial;   // the cable's USB serial number
    QString controllerVersion; // "1-35"
    QString bike;          // the shop's label: frame number, customer
    QString fingerprintBefore; // what the controller held before
    QString fingerprintAfter;  // what it holds after, or what the sheet shows
    QString roadClass;     // the class's id
    QString roadCheck;     // road_checks::; empty when no class was chosen
    QString documentPath;
    QString backupPath;
    QString outcome;       // outcomes::
    QString message;
    bool delivered = false; // to a shop's server
};

// One text column of a record, by the name the database, CSV and JSON use.
struct RegisterColumn {
    const char *name;
    QString RegisterRecord::*field;
};

// The text columns after "uuid" and "time", in the order every form lists them.
[[nodiscard]] QList<RegisterColumn> registerTextColumns();

// A new record of `operation` now: a fresh UUID, the time, the user and the host.
[[nodiscard]] RegisterRecord newRegisterRecord(const char *operation, const QString &toolVersion);

// The controller's software version as item 0 of a read carries it: "1-35".
[[nodiscard]] QString controllerVersionText(quint16 item0);

// The road class's id and whether the values a write sends keep to it.
void setRoadCheck(RegisterRecord &record, const ParameterValues &values, const RoadClass *roadClass,
                  NumberFormat format);

} // namespace vexlor
