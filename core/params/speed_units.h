#pragma once

#include "number_text.h"
#include "parameter_table.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace vexlor {

// The units speeds are shown and typed in. The controller, its files and
// every frame keep km/h in its 0.1 km/h step whichever is chosen.
enum class SpeedUnits { Metric, Imperial };

// The name config.ini and the CLI use: "metric", "imperial".
[[nodiscard]] const char *speedUnitsId(SpeedUnits units);
// The units named `id` (any case, surrounding blanks ignored), or nullopt.
[[nodiscard]] std::optional<SpeedUnits> speedUnitsFromId(QStringView id);
// As a menu or the settings sheet names them: "Metric (km/h)", "Imperial (mph)".
[[nodiscard]] QString speedUnitsName(SpeedUnits units);

// Whether a parameter is a speed: its unit is km/h.
[[nodiscard]] bool measuresSpeed(const ParameterDescriptor &descriptor);

// The controller's step, 0.1 km/h, and the most it holds (65535 steps).
inline constexpr int kLargestSpeedTenths = 65535;

// A speed of `tenths` tenths of km/h in mph, in the shortest text that
// converts back to the same tenths: rounded to 0.1 mph where that does
// ("15.5"), else to 0.01 mph ("19.95" for 32.1 km/h), as 0.1 mph is coarser
// than the controller's step.
[[nodiscard]] QString mphText(int tenths, NumberFormat format);

// A speed typed in mph as the nearest tenth of km/h the controller holds:
// clamped to 0..kLargestSpeedTenths; nullopt for a text that is no number.
[[nodiscard]] std::optional<int> tenthsFromMphText(QStringView text, NumberFormat format);

// A speed of `tenths` tenths of km/h as a field shows it in `units`, without
// its unit: "25.0" or "15.53".
[[nodiscard]] QString speedNumberText(int tenths, NumberFormat format, SpeedUnits units);

// The unit speeds are shown with: "km/h" or "mph", in the user's language.
[[nodiscard]] QString speedUnitText(SpeedUnits units);

// A speed with its unit: "25.0 km/h", "15.53 mph".
[[nodiscard]] QString speedText(int tenths, NumberFormat format, SpeedUnits units);

// A parameter's value as lists, reports and the sheet show it, in the
// chosen units, with its unit: "14.0 A", "15.53 mph", "On". The one
// function every human-readable output of values goes through.
[[nodiscard]] QString valueInUnits(int index, quint16 value, NumberFormat format, SpeedUnits units);

// A field's text (a speed's in km/h, as the controller's files hold it) as
// lists and tables show it, with its unit: "25.0 km/h", in imperial
// "15.53 mph"; a speed text that names no speed the controller holds stays
// as typed, with "km/h".
[[nodiscard]] QString fieldTextInUnits(const ParameterDescriptor &descriptor, const QString &text,
                                       NumberFormat format, SpeedUnits units);

} // namespace vexlor
