#include "grid_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace vexlor {
namespace {

// Draws the picture afresh for every size and device pixel ratio it is asked
// for, so it stays sharp on a scaled screen instead of being stretched from
// a smaller picture.
class GridIconEngine final : public QIconEngine {
public:
    explicit GridIconEngine(std::function<void(QPainter &)> draw) : m_draw(std::move(draw)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap drawn = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    // `size` in device pixels: QIcon asks for the size times the device
    // pixel ratio and gives the picture that ratio itself.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qMax(1, qMin(size.width(), size.height()));
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 24.0, side / 24.0);
        m_draw(p);
        p.end();
        if (mode != QIcon::Normal) {
            // Greyed or highlighted the way the style does it for any icon.
            QStyleOption option;
            if (qobject_cast<QApplication *>(QCoreApplication::instance()))
                pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}};
    }

    QIconEngine *clone() const override { return new GridIconEngine(m_draw); }
    QString key() const override { return QStringLiteral("VexlorGridIcon"); }

private:
    std::function<void(QPainter &)> m_draw;
};

} // namespace

QIcon iconFromGridDrawing(const std::function<void(QPainter &)> &draw)
{
    return QIcon(new GridIconEngine(draw));
}

} // namespace vexlor
