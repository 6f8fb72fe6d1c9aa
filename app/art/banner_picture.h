#pragma once

#include <QImage>
#include <QSize>

namespace vexlor {

// The splash banner, drawn by the program: the product name, a stylised
// controller board and a hub motor on a dark ground; `size` logical pixels
// drawn at the screen's device pixel ratio.
[[nodiscard]] QImage drawBannerPicture(QSize size, qreal devicePixelRatio = 1.0);

} // namespace vexlor
