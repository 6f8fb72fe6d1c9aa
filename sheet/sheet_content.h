#pragma once

#include "params/number_text.h"
#include "params/parameter_comparison.h"
#include "params/speed_units.h"
#include "road/road_class.h"
#include "road/tire_size.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace vexlor {

// What the sheet is made of: the configuration as a write sends it and what
// is known around it. Everything must outlive the call it is given to.
struct SheetFacts {
    ParameterValues values{};  // the sixty values a write sends
    bool limitMaxSpeed = true; // "Limit max speed", which shaped index 5
    QString documentName;      // "bike.vxc" when the values are that file's; else empty
    QString controllerVersion; // "1-35"; empty when unknown
    const RoadClass *roadClass = nullptr; // none: no check
    std::optional<TireSize> tire;
    QDate date;
    QLocale language;          // the date in the user's language
    NumberFormat numberFormat; // values as the window shows them
    // A document is open, but the values are not its own (edited, read or
    // restored since): the sheet names no document then.
    bool documentChanged = false;
    // The units speeds are shown in; the values stay the controller's.
    SpeedUnits speedUnits = SpeedUnits::Metric;
};

// One line of the parameter list: "Max battery current", "14.0 A".
struct SheetRow {
    QString caption;
    QString value;
};

// A titled group of rows, as the window groups its controls.
struct SheetGroup {
    QString title;
    QList<SheetRow> rows;
};

// One bar of the assist levels' chart.
struct SheetLevel {
    int percent = 0;
    bool inUse = true; // within the level count
};

// The sheet's texts in the user's language, ready to be laid out.
struct SheetContent {
    QString title;
    QStringList facts;        // document, date, tool, controller version when known, units
    QString fingerprintLabel;
    QString fingerprint;      // "3F2A-91C0"
    QList<SheetGroup> leftColumn;  // the General tab's left and middle columns
    QList<SheetGroup> rightColumn; // its right column, then the Motor tab
    QString levelsTitle;
    QList<SheetLevel> levels; // levels 1 to 9
    QString levelUnit;        // "%"
    QString checkTitle;
    QStringList checkLines;   // class, tire, the outcome and each finding
    QStringList signatures;   // the captions under the two lines to sign
};

[[nodiscard]] SheetContent settingsSheetContent(const SheetFacts &facts);

} // namespace vexlor
