#include "grid_icon.h"

#include <QPainter>
#include <QPixmap>

namespace vexlor {

QIcon iconFromGridDrawing(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace vexlor
