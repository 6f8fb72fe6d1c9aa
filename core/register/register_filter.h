#pragma once

#include "register_record.h"

#include <QDate>
#include <QList>
#include <QString>

namespace vexlor {

// Which records History and `vexlor-cli history` show. Every part left
// empty lets every record through.
struct RegisterFilter {
    QString bike;        // a part of the label, any case
    QDate since;         // on or after this day (UTC)
    QDate until;         // on or before this day (UTC)
    QString fingerprint; // the start of the fingerprint before or after, any case

    [[nodiscard]] bool matches(const RegisterRecord &record) const;
};

[[nodiscard]] QList<RegisterRecord> filteredRecords(const QList<RegisterRecord> &records,
                                                    const RegisterFilter &filter);

} // namespace vexlor
