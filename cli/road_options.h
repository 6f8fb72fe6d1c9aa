#pragma once

#include "cli_context.h"

#include "road/road_class.h"
#include "road/tire_size.h"

#include <QStringList>

#include <optional>

namespace vexlor::cli {

// The options of the commands that check against a road class: --class ID,
// --tire ETRTO, for the sheet -o FILE and for the check --strict; and the
// arguments left over.
struct RoadOptions {
    const RoadClass *roadClass = nullptr; // none given
    std::optional<TireSize> tire;
    QString output;
    bool strict = false; // a warning fails the check as a breach does
    QStringList files;
};

// The options a command takes beside --class and --tire.
enum class RoadExtra {
    None,
    Output, // -o / --output FILE
    Strict, // --strict
};

// Parses `args`; nullopt, with the reason on stderr, for an unknown option,
// class or tire, or a class or tire given twice.
[[nodiscard]] std::optional<RoadOptions> parseRoadOptions(CliContext &context, const QStringList &args,
                                                          RoadExtra extra);

} // namespace vexlor::cli
