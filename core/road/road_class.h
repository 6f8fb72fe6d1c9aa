#pragma once

#include <QString>

#include <span>

namespace vexlor {

// A legal class of pedal-assist bikes: what a bike must keep to on the road.
struct RoadClass {
    const char *id = "";   // "eu-epac": what config.ini and the CLI name it by
    const char *name = ""; // "EU / UK pedelec (EN 15194)", a "RoadClasses" text
    // The fastest the motor may assist, in tenths of km/h: the speed field's
    // resolution. A law written in mph is converted and rounded down to it.
    int speedLimitTenths = 0;
    int speedLimitMph = 0;    // the law's own figure where it is in mph; 0 otherwise
    int ratedPowerLimit = 0;  // W
    bool throttleWithoutPedalling = false; // may a throttle move the bike on its own?
};

// A speed in mph as tenths of km/h, rounded toward the legal side (down):
// 20 mph is 32.18688 km/h, so 32.1.
[[nodiscard]] constexpr int tenthsOfKmhFromMph(int mph)
{
    return mph * 1609344 / 100000; // 1 mph = 1.609344 km/h exactly
}

// Every class, in the order menus and lists show them.
[[nodiscard]] std::span<const RoadClass> roadClasses();

// The class with this id, or nullptr.
[[nodiscard]] const RoadClass *findRoadClass(QStringView id);

// A class's name in the user's language.
[[nodiscard]] QString roadClassName(const RoadClass &roadClass);

} // namespace vexlor
