#include "status_pictures.h"

#include "grid_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace vexlor {
namespace {

void disc(QPainter &p, const QColor &colour)
{
    p.setPen(QPen(colour.darker(130), 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(2, 2, 20, 20));
}

void draw(QPainter &p, StatusPicture picture)
{
    const QPen mark(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (picture) {
    case StatusPicture::Ok:
        disc(p, QColor(40, 150, 70));
        p.setPen(mark);
        p.drawPolyline(QPolygonF({QPointF(7, 12.5), QPointF(10.5, 16), QPointF(17, 8.5)}));
        break;
    case StatusPicture::Warn: {
        QPainterPath triangle;
        triangle.moveTo(12, 2.5);
        triangle.lineTo(22.5, 21);
        triangle.lineTo(1.5, 21);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(170, 120, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(245, 185, 30));
        p.drawPath(triangle);
        p.setPen(QPen(Qt::black, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 8.5), QPointF(12, 14));
        p.drawPoint(QPointF(12, 17.8));
        break;
    }
    case StatusPicture::Fail:
        disc(p, QColor(200, 40, 40));
        p.setPen(mark);
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(16, 8), QPointF(8, 16));
        break;
    case StatusPicture::Skip:
        disc(p, QColor(150, 150, 150));
        p.setPen(mark);
        p.drawLine(QPointF(7.5, 12), QPointF(16.5, 12));
        break;
    case StatusPicture::Pending:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(130, 130, 130));
        for (const double x : {6.0, 12.0, 18.0})
            p.drawEllipse(QPointF(x, 12), 2, 2);
        break;
    }
}

} // namespace

QIcon statusIcon(StatusPicture picture)
{
    return iconFromGridDrawing([picture](QPainter &p) { draw(p, picture); });
}

} // namespace vexlor
