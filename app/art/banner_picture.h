#pragma once

#include <QImage>
#include <QSize>

namespace vexlor {

// The splash banner, drawn by the program: the product name, a stylised
// controller board and a hub motor on a dark ground.
[[nodiscard]] QImage drawBannerPicture(QSize size);

} // namespace vexlor
