#pragma once

#include "params/number_text.h"

#include <QDir>
#include <QStringList>

class QWidget;

namespace vexlor {

// Pictures of the setup assistant over `parent`, for a rider with a 48 V
// battery, a 25 A BMS, a 250 W motor and 57-584 tires on an EU pedelec: each
// page as `names` (battery, motor, wheel and road, proposal) says, into
// `out`; a name left empty is not saved. False when one could not be saved.
[[nodiscard]] bool saveSetupShots(QWidget *parent, NumberFormat format, const QDir &out,
                                  const QStringList &names);

} // namespace vexlor
