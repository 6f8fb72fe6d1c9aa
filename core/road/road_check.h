#pragma once

#include "road_class.h"
#include "tire_size.h"

#include "params/number_text.h"
#include "params/parameter_comparison.h"

#include <QList>
#include <QString>

#include <optional>

namespace vexlor {

// The rules a configuration is checked by against a road class.
enum class RoadRule {
    SpeedLimit,               // the speed the controller enforces, above the class's
    RatedPower,               // the motor's rated power, above the class's
    ThrottleWithoutPedalling, // a throttle that works on its own where the class forbids it
    WheelPerimeter,           // a perimeter so short that the bike assists past its limit
};

// One value that breaks a class.
struct RoadFinding {
    RoadRule rule = RoadRule::SpeedLimit;
    const ParameterDescriptor *descriptor = nullptr; // the field it is about
    QString value; // as the controller holds it, with its unit: "25.1 km/h"
    QString limit; // what the class allows: "at most 25.0 km/h"
};

// The rule's name for scripts: "speed-limit", "rated-power",
// "throttle-without-pedalling", "wheel-perimeter".
[[nodiscard]] const char *roadRuleId(RoadRule rule);

// The values a write sends (`values`, by protocol index) checked against
// `roadClass`: the speed limit as sent (900.0 km/h when "Limit max speed" is
// clear), the rated power, a throttle in use with the working style
// "Independently" where the class wants pedalling, and, only when the real
// tire is given, a perimeter more than 3 % below the tire's: the bike then
// reads slow and assists past its limit. In that order; empty when the
// configuration keeps to the class.
[[nodiscard]] QList<RoadFinding> checkRoadClass(const ParameterValues &values,
                                                const RoadClass &roadClass,
                                                const std::optional<TireSize> &tire,
                                                NumberFormat format);

// One line each: "Speed limit: 25.1 km/h (allowed: at most 25.0 km/h)".
[[nodiscard]] QString roadFindingLines(const QList<RoadFinding> &findings);

// The check as a report, one line each: the class, the tire (or that none
// was given), then that the values keep to the class, or that they break it
// and each finding ("• Speed limit: ..."). Without a class, that none is chosen.
[[nodiscard]] QStringList roadCheckReport(const ParameterValues &values, const RoadClass *roadClass,
                                          const std::optional<TireSize> &tire, NumberFormat format);

// What a class allows, as lists of classes and findings show it: "at most
// 32.1 km/h (20 mph)", "at most 750 W", "throttle only while pedalling".
[[nodiscard]] QString roadClassSpeedText(const RoadClass &roadClass, NumberFormat format);
[[nodiscard]] QString roadClassPowerText(const RoadClass &roadClass);
[[nodiscard]] QString roadClassThrottleText(const RoadClass &roadClass);

} // namespace vexlor
