#include "road_class.h"

#include "translation.h"

#include <array>

namespace vexlor {
namespace {

constexpr RoadClass inKmh(const char *id, const char *name, int speedTenths, int power,
                          bool throttleAlone)
{
    return RoadClass{id, name, speedTenths, 0, power, throttleAlone};
}

constexpr RoadClass inMph(const char *id, const char *name, int mph, int power, bool throttleAlone)
{
    return RoadClass{id, name, tenthsOfKmhFromMph(mph), mph, power, throttleAlone};
}

// The names are user texts of the context "RoadClasses".
constexpr std::array kClasses = {
    //: the European and British class of pedal-assist bikes; keep EN 15194
    inKmh("eu-epac", QT_TRANSLATE_NOOP("RoadClasses", "EU / UK pedelec (EN 15194)"), 250, 250, false),
    //: US class 1: pedal assist only, up to 20 mph
    inMph("us-class1", QT_TRANSLATE_NOOP("RoadClasses", "US class 1"), 20, 750, false),
    //: US class 2: throttle allowed, up to 20 mph
    inMph("us-class2", QT_TRANSLATE_NOOP("RoadClasses", "US class 2"), 20, 750, true),
    //: US class 3: pedal assist only, up to 28 mph
    inMph("us-class3", QT_TRANSLATE_NOOP("RoadClasses", "US class 3"), 28, 750, false),
    inKmh("ca", QT_TRANSLATE_NOOP("RoadClasses", "Canada"), 320, 500, true),
    //: "pedalec" is the Australian rules' own word for a pedal-assist bike
    inKmh("au", QT_TRANSLATE_NOOP("RoadClasses", "Australia pedalec"), 250, 250, false),
};

static_assert(tenthsOfKmhFromMph(20) == 321 && tenthsOfKmhFromMph(28) == 450);

} // namespace

std::span<const RoadClass> roadClasses()
{
    return kClasses;
}

const RoadClass *findRoadClass(QStringView id)
{
    for (const RoadClass &c : kClasses) {
        if (id == QLatin1String(c.id))
            return &c;
    }
    return nullptr;
}

QString roadClassName(const RoadClass &roadClass)
{
    return translated("RoadClasses", roadClass.name);
}

} // namespace vexlor
