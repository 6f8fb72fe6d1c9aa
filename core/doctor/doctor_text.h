#pragma once

#include <QCoreApplication>

namespace vexlor {

// The connection doctor's findings and fixes, written where they are made:
// DoctorText::tr("..."); translation context "Doctor". Check names, statuses,
// commands, paths and file names are never translated.
class DoctorText {
    Q_DECLARE_TR_FUNCTIONS(Doctor)
};

} // namespace vexlor
