#pragma once

#include <QIcon>

namespace vexlor {

// The pictures of a check's outcome in the connection doctor, drawn like the
// tool pictures on a 24-pixel grid.
enum class StatusPicture {
    Ok,      // a white tick on green
    Warn,    // a black "!" in an amber triangle
    Fail,    // a white cross on red
    Skip,    // a white dash on grey
    Pending, // three grey dots: still being checked
};

[[nodiscard]] QIcon statusIcon(StatusPicture picture);

} // namespace vexlor
