#pragma once

#include "cli_context.h"

#include "road/road_class.h"
#include "road/tire_size.h"

#include <QStringList>

#include <optional>

namespace vexlor::cli {

// The options of the commands that check against a road class: --class ID,
// --tire ETRTO and, for the sheet, -o FILE; and the arguments left over.
struct RoadOptions {
    const RoadClass *roadClass = nullptr; // none given
    std::optional<TireSize> tire;
    QString output;
    QStringList files;
};

// Parses `args`; nullopt, with the reason on stderr, for an unknown option,
// class or tire, or a class or tire given twice. `withOutput` accepts -o / --output.
[[nodiscard]] std::optional<RoadOptions> parseRoadOptions(CliContext &context, const QStringList &args,
                                                          bool withOutput);

} // namespace vexlor::cli
