#pragma once

#include "params/number_text.h"
#include "params/parameter_snapshot.h"
#include "translation.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace vexlor {

// Asked when a file from an old version lacks the Hall sensor type (key 40 holds
// no integer); the caller shows oldVersionQuestion() as a Yes/No question with
// an empty caption.
//: Yes means the motor has three Hall sensors, No that it has none
inline constexpr const char *kOldVersionQuestion = QT_TRANSLATE_NOOP(
    "Files", "The setting file to be opened missed one data because of a bug in the old version. "
             "Please answer one question now.\nDoes the motor have 3 hall sensors?");
// The question as the user reads it.
[[nodiscard]] inline QString oldVersionQuestion()
{
    return translated("Files", kOldVersionQuestion);
}

// A file larger than this is refused unread: no configuration comes near it.
inline constexpr qint64 kMaxConfigurationFileSize = 1024 * 1024;

// One pair of a configuration file, ready to apply to its control.
struct ConfigurationEntry {
    ControlAssignment assignment;
    // Key 40 without an integer: the value comes from the old-version question
    // (Yes "120° Sensors", item 0; No "Sensorless", item 2), asked at apply time.
    bool asksOldVersionQuestion = false;
};

// A whole configuration file, checked before anything is applied: either the
// first error in file order (and no entries), or every pair to apply, in file
// order, repeated keys included.
struct ConfigurationRead {
    QString error;
    QList<ConfigurationEntry> entries;

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// Yes answers the old-version question with "the motor has 3 Hall sensors".
using OldVersionQuestion = std::function<bool()>;

// Lines split at CR LF, CR or LF; a final line end adds no empty line, and an
// empty file has no lines. Bytes are taken as Latin-1, so every byte maps to one
// character and is written back unchanged.
[[nodiscard]] QStringList splitConfigurationLines(const QByteArray &bytes);

// Reads and checks the file at `path`. Errors: "Cannot open file %s", its
// variant for a path that is no regular file (never opened), the too-large
// refusal, the refusal of a file that sets nothing (empty, blank lines only),
// "List index out of bounds (%d)" for a key without a value line, and
// "'%s' is not a valid integer value" for a key, or for a value that must be
// an integer (quoted as the file holds it, before the decimal-separator
// fix-up).
[[nodiscard]] ConfigurationRead readConfigurationFile(const QString &path, NumberFormat format);

// The same check over bytes already in memory (for the fuzzer and the tests),
// without the refusal of a file that sets nothing. A UTF-8 byte-order mark
// before the first line and blank lines after the last pair are ignored; a
// UTF-16 one (either byte order) tells that the text is UTF-16, a damaged
// such file is refused.
[[nodiscard]] ConfigurationRead parseConfiguration(const QByteArray &bytes, NumberFormat format);

// The value an entry puts into its control, asking the old-version question if
// the entry needs it (an empty function answers No).
[[nodiscard]] ControlAssignment resolveEntry(const ConfigurationEntry &entry,
                                             const OldVersionQuestion &askOldVersionQuestion);

// Applies the entries to a snapshot in file order (the CLI's document; the
// window applies them to its controls with their side effects instead).
void applyToSnapshot(ParameterSnapshot &snapshot, const QList<ConfigurationEntry> &entries,
                     const OldVersionQuestion &askOldVersionQuestion);

} // namespace vexlor
