#include "write_warnings.h"

#include "params/field_limits.h"
#include "road/plausibility_check.h"

namespace vexlor {

WriteWarnings writeWarnings(const ParameterSnapshot &snapshot, const ParameterValues &values,
                            const RoadClass *roadClass, const std::optional<TireSize> &tire,
                            NumberFormat format, SpeedUnits units)
{
    WriteWarnings warnings;
    warnings.outsideLimits = limitBreachLines(valuesBeyondFieldLimits(snapshot, format));
    if (roadClass) {
        warnings.roadClass = roadClassName(*roadClass);
        // Notes keep to the class: nothing to ask about.
        warnings.roadClassFindings =
            roadFindingLines(roadBreaches(checkRoadClass(values, *roadClass, tire, format, units)));
    }
    warnings.implausible = roadFindingLines(checkPlausibility(values, format));
    return warnings;
}

} // namespace vexlor
