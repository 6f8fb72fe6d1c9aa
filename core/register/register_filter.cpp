#include "register_filter.h"

namespace vexlor {

bool RegisterFilter::matches(const RegisterRecord &record) const
{
    if (!bike.isEmpty() && !record.bike.contains(bike, Qt::CaseInsensitive))
        return false;
    const QDate day = record.time.toUTC().date();
    if ((since.isValid() && day < since) || (until.isValid() && day > until))
        return false;
    if (fingerprint.isEmpty())
        return true;
    // "3f2a91" finds "3F2A-91C0": the dash is written on paper or not.
    QString wanted = fingerprint.trimmed();
    wanted.remove(u'-');
    const auto starts = [&](QString mark) { return mark.remove(u'-').startsWith(wanted, Qt::CaseInsensitive); };
    return starts(record.fingerprintBefore) || starts(record.fingerprintAfter);
}

QList<RegisterRecord> filteredRecords(const QList<RegisterRecord> &records, const RegisterFilter &filter)
{
    QList<RegisterRecord> kept;
    for (const RegisterRecord &record : records) {
        if (filter.matches(record))
            kept.append(record);
    }
    return kept;
}

} // namespace vexlor
