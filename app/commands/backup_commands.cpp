#include "backup_commands.h"

#include "operation_records.h"
#include "dialogs/message_boxes.h"
#include "dialogs/safety_dialogs.h"
#include "basics/safety_texts.h"
#include "pages/parameter_binding.h"
#include "rules/input_rules.h"

#include "backups/backup_store.h"
#include "files/file_comparison.h"
#include "files/vxc_reader.h"
#include "session/backup_record_texts.h"

namespace vexlor {

BackupCommands::BackupCommands(const BackupStore &backups, WindowValueAccess values,
                               Desktop desktop, NumberFormat numberFormat, QObject *parent)
    : QObject(parent), m_backups(backups), m_binding(values.binding), m_rules(values.rules),
      m_boxes(desktop.boxes), m_dialogs(desktop.dialogs), m_numberFormat(numberFormat)
{
}

void BackupCommands::restoreBackup()
{
    // The counts compare with the value being edited as leaving it would bound it.
    if (!m_rules.applyPendingRules())
        return;
    const QList<BackupFile> backups = m_backups.list();
    if (backups.isEmpty()) {
        m_boxes.information(texts::text(texts::kRestoreTitle), texts::text(texts::kNoBackups));
        return;
    }
    const ParameterSnapshot window = m_binding.snapshot();
    QList<BackupRow> rows;
    for (const BackupFile &backup : backups) {
        const FileComparison compared = compareWithFile(window, backup.path, m_numberFormat);
        rows.append({backup.path, backup.time,
                     compared.ok() ? int(compared.differences.size()) : -1,
                     followingWriteText(backup.record), backupNoteText(backup.record),
                     compared.fileUnreadable ? compared.error : QString(), backup.sequence});
    }
    const QString chosen = m_dialogs.chooseBackup(rows);
    if (!chosen.isEmpty())
        restoreFrom(chosen);
}

QString BackupCommands::folder() const
{
    return m_backups.folder();
}

void BackupCommands::restoreFrom(const QString &path)
{
    if (!m_mayReplaceValues || m_mayReplaceValues())
        load(path);
}

void BackupCommands::load(const QString &path)
{
    // Checked whole first, as Open does: a damaged file changes nothing.
    const ConfigurationRead read = readConfigurationFile(path, m_numberFormat);
    if (!read.ok()) {
        m_boxes.standardError(read.error);
        return;
    }
    const OldVersionQuestion ask = [this] {
        return m_boxes.question(QString(), oldVersionQuestion());
    };
    for (const ConfigurationEntry &entry : read.entries)
        m_binding.apply(resolveEntry(entry, ask));
    if (m_records)
        m_records->noteRestoredBackup(m_binding.snapshot(), path);
}

} // namespace vexlor
