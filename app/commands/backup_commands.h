#pragma once

#include "window_value_access.h"

#include "params/number_text.h"

#include <QObject>

#include <functional>

namespace vexlor {

class OperationRecords;

class BackupStore;
class InputRules;
class MessageBoxes;
class ParameterBinding;
class SafetyDialogs;

// File > "Restore Backup…": lists the automatic backups with how many
// parameters each would change, and loads the chosen one's values into the
// window. A backup is no document the user chose: the current document, the
// caption and the reopen list stay as they are (the caption marks the values
// as changed), and nothing is written to the controller until the user writes.
class BackupCommands : public QObject {
    Q_OBJECT
public:
    // Where the command asks: boxes and the restore dialog.
    struct Desktop {
        MessageBoxes &boxes;
        SafetyDialogs &dialogs;
    };
    // Everything must outlive the commands; `numberFormat` reads the backups.
    BackupCommands(const BackupStore &backups, WindowValueAccess values, Desktop desktop,
                   NumberFormat numberFormat, QObject *parent = nullptr);

    // Asked before the chosen backup replaces the window's values: false
    // keeps them (the user kept unsaved changes).
    void setReplaceGuard(std::function<bool()> mayReplaceValues)
    {
        m_mayReplaceValues = std::move(mayReplaceValues);
    }

    // The values of a restored backup are noted there, so that their write
    // is recorded as the backup put back.
    void setRecords(OperationRecords *records) { m_records = records; }

    // Puts the backup at `path` into the window as Restore Backup would
    // once it is chosen (History's Open Backup).
    void restoreFrom(const QString &path);
    // Where the backups are.
    [[nodiscard]] QString folder() const;

public slots:
    void restoreBackup();

private:
    void load(const QString &path);

    const BackupStore &m_backups;
    ParameterBinding &m_binding;
    InputRules &m_rules;
    MessageBoxes &m_boxes;
    SafetyDialogs &m_dialogs;
    const NumberFormat m_numberFormat;
    std::function<bool()> m_mayReplaceValues;
    OperationRecords *m_records = nullptr;
};

} // namespace vexlor
