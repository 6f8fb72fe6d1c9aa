#pragma once

#include <QIcon>

#include <functional>

class QPainter;

namespace vexlor {

// An icon drawn by `draw` on a 24-pixel grid, antialiased, on transparency,
// afresh at each size and device pixel ratio menus, tool bars and dialogs ask
// for: sharp on a scaled screen.
QIcon iconFromGridDrawing(const std::function<void(QPainter &)> &draw);

} // namespace vexlor
