#pragma once

#include "params/parameter_snapshot.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vexlor {

// The settings as JSON, for sharing and for other programs (the form is
// described in docs/settings-json.md):
//
//   { "format": "vexlor-settings", "version": 1, "fingerprint": "3F2A-91C0",
//     "parameters": [ { "name": "MaxBatteryCurrent", "value": "14.0", "unit": "A" }, ... ] }
//
// The 43 stored parameters in table order, named as in the parameter table.
// A field's value is its text exactly as a .vxc file holds it, so that a
// file converted to JSON and back is the same file byte for byte; a tick is
// true or false, a radio pair 0 or 1, a radio group its item (-1 for none),
// a track bar its position.
inline constexpr const char *kSettingsJsonFormat = "vexlor-settings";
inline constexpr int kSettingsJsonVersion = 1;

// The JSON of a snapshot, indented. A text the reader's decimal-separator
// fix-up changed goes out as the file held it. The fingerprint is the one a
// write with "Limit max speed" ticked would give; it is left out when a value
// cannot be sent.
[[nodiscard]] QByteArray settingsJson(const ParameterSnapshot &snapshot);

// How strictly a JSON is taken.
enum class JsonLimits {
    Refuse, // values a write could not send or the window's fields would refuse stop the import
    Accept, // they pass, listed as warnings (--force)
};

// A settings JSON read back: either errors (nothing to write) or the snapshot,
// with the values beyond the limits that `JsonLimits::Accept` let through.
struct SettingsJsonRead {
    QStringList errors;
    QStringList warnings;
    ParameterSnapshot snapshot;

    [[nodiscard]] bool ok() const { return errors.isEmpty(); }
};

// Reads a settings JSON. Refused, each with the name and the value: text that
// is no JSON, another format or a newer version, unknown or repeated names,
// a missing parameter, a value of the wrong type or in another unit, a text a
// .vxc file cannot hold, a fingerprint that does not belong to the values;
// and, unless accepted, values a write could not send or beyond the limits
// the window holds its fields to.
[[nodiscard]] SettingsJsonRead readSettingsJson(const QByteArray &bytes, JsonLimits limits);

} // namespace vexlor
