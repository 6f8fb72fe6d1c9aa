#pragma once

#include <QString>

class QFontMetrics;

namespace vexlor {

// The caption of a Reopen item for `path`: the path itself where it takes at
// most `room` pixels of `metrics`, else shortened in the middle of its
// folders ("/home/rider/…/spring/commuter.vxc"); the file name is always
// whole. Ampersands are doubled, so none becomes an access key.
[[nodiscard]] QString reopenCaption(const QString &path, const QFontMetrics &metrics, int room);

} // namespace vexlor
