#pragma once

#include <QIcon>

#include <functional>

class QPainter;

namespace vexlor {

// An icon in the sizes menus, tool bars and dialogs ask for, each drawn by
// `draw` on a 24-pixel grid scaled to the size, antialiased, on transparency.
QIcon iconFromGridDrawing(const std::function<void(QPainter &)> &draw);

} // namespace vexlor
