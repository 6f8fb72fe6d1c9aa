#include "tool_icons.h"

#include "grid_icon.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vexlor {
namespace {

const QColor kInk(50, 55, 65);
const QColor kPaper(250, 250, 246);
const QColor kFolder(232, 184, 72);
const QColor kArrow(30, 130, 60);
const QColor kBlue(40, 95, 175);

void page(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(5, 2);
    sheet.lineTo(15, 2);
    sheet.lineTo(20, 7);
    sheet.lineTo(20, 22);
    sheet.lineTo(5, 22);
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(15, 2), QPointF(15, 7), QPointF(20, 7)}));
}

void folder(QPainter &p)
{
    p.setPen(QPen(kInk.darker(110), 1.1));
    p.setBrush(kFolder.darker(115));
    p.drawRoundedRect(QRectF(2, 6, 18, 15), 1.5, 1.5);
    p.setBrush(kFolder);
    QPainterPath front;
    front.moveTo(2, 21);
    front.lineTo(5, 11);
    front.lineTo(23, 11);
    front.lineTo(20, 21);
    front.closeSubpath();
    p.drawPath(front);
}

void arrowHead(QPainter &p, QPointF tip, double angleDegrees, double size)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(-size, -size * 0.7), QPointF(-size, size * 0.7)}));
    p.restore();
}

void openFolder(QPainter &p)
{
    folder(p);
    // The bent arrow leaving the folder, up and to the right.
    p.setPen(QPen(kArrow, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath bend;
    bend.moveTo(9, 10);
    bend.cubicTo(9, 4, 13, 3, 18, 3);
    p.drawPath(bend);
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    arrowHead(p, QPointF(23, 3), 0, 5);
}

void diskette(QPainter &p)
{
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(kBlue);
    QPainterPath body;
    body.moveTo(2, 2);
    body.lineTo(19, 2);
    body.lineTo(22, 5);
    body.lineTo(22, 22);
    body.lineTo(2, 22);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(220, 224, 230)); // shutter
    p.drawRect(QRectF(6, 2, 11, 7));
    p.setBrush(kInk);
    p.drawRect(QRectF(13, 3, 2.5, 5));
    p.setBrush(kPaper); // label
    p.drawRect(QRectF(5, 13, 14, 9));
}

void doubleArrow(QPainter &p)
{
    p.setPen(QPen(kBlue, 2.6));
    p.drawLine(QPointF(6, 12), QPointF(18, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    arrowHead(p, QPointF(23, 12), 0, 7);
    arrowHead(p, QPointF(1, 12), 180, 7);
}

void verticalArrow(QPainter &p, bool up)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    QPainterPath arrow;
    if (up) {
        arrow.addPolygon(QPolygonF({QPointF(12, 1), QPointF(22, 12), QPointF(16, 12), QPointF(16, 23),
                                    QPointF(8, 23), QPointF(8, 12), QPointF(2, 12)}));
    } else {
        arrow.addPolygon(QPolygonF({QPointF(12, 23), QPointF(22, 12), QPointF(16, 12), QPointF(16, 1),
                                    QPointF(8, 1), QPointF(8, 12), QPointF(2, 12)}));
    }
    arrow.closeSubpath();
    p.setPen(QPen(kArrow.darker(140), 1));
    p.drawPath(arrow);
}

void letterInCircle(QPainter &p, const QString &letter, const QColor &colour)
{
    p.setPen(QPen(colour.darker(130), 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    QFont font;
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, letter);
}

// The What's This pointer: a white mouse arrow with a blue question mark.
void pointerWithQuestion(QPainter &p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(3, 2), QPointF(3, 19), QPointF(7, 15), QPointF(10, 22),
                             QPointF(13, 21), QPointF(10, 14), QPointF(15, 14)}));
    QFont font;
    font.setBold(true);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(kBlue);
    p.drawText(QRectF(12, 1, 11, 16), Qt::AlignCenter, QStringLiteral("?"));
}

void firstAidCross(QPainter &p)
{
    p.setPen(QPen(kArrow.darker(130), 1));
    p.setBrush(kArrow);
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 5, 5, 14));
    p.drawRect(QRectF(5, 9.5, 14, 5));
}

void globe(QPainter &p)
{
    p.setPen(QPen(kBlue.darker(130), 1.2));
    p.setBrush(QColor(205, 225, 245));
    p.drawEllipse(QRectF(2, 2, 20, 20));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(7.5, 2, 9, 20)); // the meridians
    p.drawLine(QPointF(12, 2), QPointF(12, 22));
    p.drawLine(QPointF(2, 12), QPointF(22, 12)); // the equator and two parallels
    p.drawLine(QPointF(4, 7), QPointF(20, 7));
    p.drawLine(QPointF(4, 17), QPointF(20, 17));
}

void envelope(QPainter &p)
{
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2, 5, 20, 14));
    p.drawPolyline(QPolygonF({QPointF(2, 5), QPointF(12, 13), QPointF(22, 5)}));
}

void exitDoor(QPainter &p)
{
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(QColor(160, 110, 60));
    p.drawRect(QRectF(3, 2, 11, 20));
    p.setPen(QPen(QColor(200, 40, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 12), QPointF(19, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    arrowHead(p, QPointF(23, 12), 0, 5.5);
}

void sheet(QPainter &p, QRectF area, const QColor &paper)
{
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(paper);
    p.drawRect(area);
    p.setPen(QPen(kInk.lighter(180), 1.2));
    for (double y = area.top() + 4; y < area.bottom() - 2; y += 3.5)
        p.drawLine(QPointF(area.left() + 2, y), QPointF(area.right() - 2, y));
}

// The window's settings beside the controller's.
void twoSheets(QPainter &p)
{
    sheet(p, QRectF(1.5, 3, 9, 17), kPaper);
    sheet(p, QRectF(13.5, 3, 9, 17), QColor(205, 222, 245));
}

// The archive box of the backups, an arrow taking one out.
void boxWithArrow(QPainter &p)
{
    p.setPen(QPen(kInk, 1.1));
    p.setBrush(QColor(196, 150, 96));
    p.drawRect(QRectF(3, 12, 18, 10));
    p.setBrush(QColor(176, 130, 80));
    p.drawRect(QRectF(2, 9, 20, 4)); // lid
    p.setPen(QPen(kArrow, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 16), QPointF(12, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    arrowHead(p, QPointF(12, 1), -90, 5.5);
}

// The settings sheet: a page of rows with a signature stroke at its foot.
void signedSheet(QPainter &p)
{
    page(p);
    p.setPen(QPen(kInk, 1.0));
    for (double y : {9.0, 12.0, 15.0})
        p.drawLine(QPointF(8, y), QPointF(17, y));
    p.setPen(QPen(kBlue, 1.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stroke;
    stroke.moveTo(8, 19.5);
    stroke.cubicTo(10, 16.5, 11, 21.5, 13, 18.5);
    stroke.cubicTo(14, 17.5, 15, 20.5, 17, 19);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stroke);
}

// The road class check: a round speed-limit sign.
void speedSign(QPainter &p)
{
    p.setPen(QPen(QColor(200, 30, 30), 3.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 12), 9.2, 9.2);
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("25"));
}

// The setup assistant: a wand whose star sparks the values.
void wandWithStar(QPainter &p)
{
    p.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 21), QPointF(14, 10));
    QPolygonF star;
    for (int point = 0; point < 10; ++point) {
        const double radius = point % 2 == 0 ? 7.0 : 3.0;
        const double angle = M_PI / 5 * point - M_PI / 2;
        star << QPointF(17 + radius * std::cos(angle), 7 + radius * std::sin(angle));
    }
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(kFolder);
    p.drawPolygon(star);
}

void draw(QPainter &p, ToolPicture picture)
{
    switch (picture) {
    case ToolPicture::NewPage:
        return page(p);
    case ToolPicture::OpenFolder:
        return openFolder(p);
    case ToolPicture::Save:
        return diskette(p);
    case ToolPicture::SaveAs:
        diskette(p);
        p.setPen(QPen(QColor(200, 120, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 20), QPointF(22, 12)); // a pen over the disk
        break;
    case ToolPicture::Reopen:
        return folder(p);
    case ToolPicture::Exit:
        return exitDoor(p);
    case ToolPicture::Connection:
        return doubleArrow(p);
    case ToolPicture::ReadUp:
        return verticalArrow(p, true);
    case ToolPicture::WriteDown:
        return verticalArrow(p, false);
    case ToolPicture::Compare:
        return twoSheets(p);
    case ToolPicture::RestoreBackup:
        return boxWithArrow(p);
    case ToolPicture::Help:
        return letterInCircle(p, QStringLiteral("?"), kBlue);
    case ToolPicture::WhatsThis:
        return pointerWithQuestion(p);
    case ToolPicture::Mail:
        return envelope(p);
    case ToolPicture::About:
        return letterInCircle(p, QStringLiteral("i"), kBlue);
    case ToolPicture::Language:
        return globe(p);
    case ToolPicture::SettingsSheet:
        return signedSheet(p);
    case ToolPicture::RoadCheck:
        return speedSign(p);
    case ToolPicture::Doctor:
        return firstAidCross(p);
    case ToolPicture::BikeSetup:
        return wandWithStar(p);
    }
}

} // namespace

// Always our own drawing, never the desktop theme's icon of a similar name:
// a theme's "go-up" or "network" picture does not say "read from the
// controller" or "test the cable", and the manual describes these pictures.
QIcon toolIcon(ToolPicture picture)
{
    return iconFromGridDrawing([picture](QPainter &p) { draw(p, picture); });
}

} // namespace vexlor
