#include "sample_dialogs.h"

#include "params/parameter_codec.h"
#include "params/parameter_comparison.h"
#include "params/settings_fingerprint.h"
#include "session/backup_record_texts.h"

namespace vexlor {

SampleComparison sampleComparison(NumberFormat format)
{
    const ParameterValues window = encodeAll(ParameterSnapshot::initial(), format).values;
    ParameterValues controller = window;
    controller[1] = 300;  // 14.3 A
    controller[14] = 0;   // no throttle
    controller[20] = 3;   // three assist levels
    controller[40] = 2;   // sensorless
    controller[48] = 123; // mOhm
    return {differenceRows(differingParameters(window, controller, format)),
            {settingsFingerprint(window), settingsFingerprint(controller)}};
}

QList<BackupRow> sampleBackups()
{
    const QDate day(2026, 5, 16);
    const auto record = [](WriteEnd end, int frame, bool afterInterruptedWrite) {
        return WriteRecord{end, frame, afterInterruptedWrite};
    };
    const auto row = [](const char *name, QDateTime time, int differing, const WriteRecord &r) {
        return BackupRow{QString::fromLatin1(name), time, differing, followingWriteText(r),
                         backupNoteText(r), QString(), 1};
    };
    return {row("2026-05-16_15-42-07.vxc", QDateTime(day, QTime(15, 42, 7)), 0,
                record(WriteEnd::Verified, 0, false)),
            row("2026-05-16_15-30-51.vxc", QDateTime(day, QTime(15, 30, 51)), 2,
                record(WriteEnd::Verified, 0, true)),
            row("2026-05-16_14-03-22.vxc", QDateTime(day, QTime(14, 3, 22)), 5,
                record(WriteEnd::Interrupted, 30, false))};
}

} // namespace vexlor
