#pragma once

#include "params/parameter_snapshot.h"
#include "params/parameter_table.h"

#include <QByteArray>
#include <QString>

namespace vexlor {

// The outcome of writing a file: empty when it was written.
struct FileWriteResult {
    QString error;

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// A parameter's value line as the file stores it, without the line end: the
// text of an edit, the number of any other control.
[[nodiscard]] QString storedValueText(const ParameterDescriptor &d, const ControlValue &control);

// The file for a snapshot: the 43 stored parameters in table order, a key line
// and a value line each, CR LF after every line. Edit texts go in verbatim
// (as Latin-1, the reader's encoding); ticks, radio pairs, groups and sliders as
// decimal numbers (-1 for a radio group with nothing selected).
[[nodiscard]] QByteArray configurationFileBytes(const ParameterSnapshot &snapshot);

// Why a configuration file cannot go to `path`, known before anything is
// written: the path names a folder ("Cannot create file %s"), or a named
// pipe, a device or the like, which a save would replace ("... it is not a
// regular file."). Empty when it names a regular file (or a link to one) or
// nothing yet.
[[nodiscard]] QString configurationTargetError(const QString &path);

// Writes the file atomically: the old content stays whole until the new one is
// complete, so an interrupted save or a full disk never leaves a truncated or
// empty file. Errors: configurationTargetError()'s, "Cannot create file %s".
[[nodiscard]] FileWriteResult writeConfigurationFile(const QString &path, const ParameterSnapshot &snapshot);

} // namespace vexlor
