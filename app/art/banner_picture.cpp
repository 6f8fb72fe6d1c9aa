#include "banner_picture.h"

#include "motor_illustration.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vexlor {
namespace {

void drawBackground(QPainter &p, const QRectF &r)
{
    QLinearGradient ground(r.topLeft(), r.bottomRight());
    ground.setColorAt(0.0, QColor(14, 32, 58));
    ground.setColorAt(0.6, QColor(18, 62, 92));
    ground.setColorAt(1.0, QColor(10, 24, 40));
    p.fillRect(r, ground);
    // A faint grid, like a drawing board.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (double x = r.left(); x < r.right(); x += 25)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (double y = r.top(); y < r.bottom(); y += 25)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

// Copper traces.
void drawTraces(QPainter &p, const QRectF &board)
{
    p.setPen(QPen(QColor(200, 170, 80, 150), 2));
    for (int i = 0; i < 6; ++i) {
        const double y = board.top() + 30 + i * 18;
        p.drawLine(QPointF(board.left() + 20, y), QPointF(board.left() + 120, y));
        p.drawLine(QPointF(board.left() + 120, y), QPointF(board.left() + 140, y + 10));
    }
}

// The microcontroller.
void drawMicrocontroller(QPainter &p, const QRectF &board)
{
    const QRectF mcu(board.left() + 150, board.top() + 40, 60, 60);
    p.setPen(QPen(QColor(180, 180, 180), 1.5));
    for (int i = 0; i < 8; ++i) {
        const double o = 6 + i * 6.5;
        p.drawLine(QPointF(mcu.left() + o, mcu.top()), QPointF(mcu.left() + o, mcu.top() - 6));
        p.drawLine(QPointF(mcu.left() + o, mcu.bottom()), QPointF(mcu.left() + o, mcu.bottom() + 6));
        p.drawLine(QPointF(mcu.left(), mcu.top() + o), QPointF(mcu.left() - 6, mcu.top() + o));
        p.drawLine(QPointF(mcu.right(), mcu.top() + o), QPointF(mcu.right() + 6, mcu.top() + o));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(mcu);
    p.setPen(QColor(200, 200, 200));
    QFont small = p.font();
    small.setPixelSize(10);
    small.setBold(true);
    p.setFont(small);
    p.drawText(mcu, Qt::AlignCenter, QStringLiteral("FOC"));
}

// A row of power transistors along the lower edge.
void drawTransistors(QPainter &p, const QRectF &board)
{
    for (int i = 0; i < 6; ++i) {
        const QRectF fet(board.left() + 20 + i * 38, board.bottom() - 48, 26, 30);
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(QColor(40, 40, 44));
        p.drawRect(fet);
        p.setBrush(QColor(170, 175, 180));
        p.drawRect(QRectF(fet.left() + 3, fet.top() - 8, fet.width() - 6, 9));
        p.setPen(QPen(QColor(190, 190, 190), 2));
        for (int leg = 0; leg < 3; ++leg) {
            const double x = fet.left() + 6 + leg * 7;
            p.drawLine(QPointF(x, fet.bottom()), QPointF(x, fet.bottom() + 8));
        }
    }
}

// Two bulk capacitors.
void drawCapacitors(QPainter &p, const QRectF &board)
{
    for (int i = 0; i < 2; ++i) {
        const QRectF cap(board.right() - 70 + i * 34, board.top() + 22, 28, 80);
        QLinearGradient can(cap.topLeft(), cap.topRight());
        can.setColorAt(0.0, QColor(20, 40, 90));
        can.setColorAt(0.5, QColor(70, 110, 190));
        can.setColorAt(1.0, QColor(20, 40, 90));
        p.setPen(QPen(QColor(10, 20, 50), 1));
        p.setBrush(can);
        p.drawRoundedRect(cap, 6, 6);
        p.setPen(QPen(QColor(200, 210, 230), 1));
        p.drawLine(QPointF(cap.left() + 7, cap.top() + 6), QPointF(cap.left() + 7, cap.bottom() - 6));
    }
}

// Phase wires leaving the board towards the motor.
void drawPhaseWires(QPainter &p, const QRectF &board)
{
    const QColor phases[] = {QColor(230, 200, 30), QColor(40, 170, 70), QColor(40, 110, 220)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(phases[i], 5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath wire;
        const QPointF from(board.right() + 10, board.top() + 130 + i * 12);
        wire.moveTo(from);
        wire.cubicTo(from + QPointF(60, 0), from + QPointF(50, 60 - i * 10),
                     from + QPointF(135, 40 - i * 8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wire);
    }
}

void drawBoard(QPainter &p, const QRectF &board)
{
    // The controller's circuit board in its open aluminium case.
    p.setPen(QPen(QColor(120, 130, 140), 2));
    p.setBrush(QColor(70, 78, 88));
    p.drawRoundedRect(board.adjusted(-10, -10, 10, 10), 10, 10);
    p.setPen(QPen(QColor(10, 70, 30), 1.5));
    p.setBrush(QColor(20, 120, 55));
    p.drawRoundedRect(board, 5, 5);
    drawTraces(p, board);
    drawMicrocontroller(p, board);
    drawTransistors(p, board);
    drawCapacitors(p, board);
    drawPhaseWires(p, board);
}

// One line of the title, left-aligned and centred in `box`.
void drawTitleLine(QPainter &p, const QRectF &box, const QString &text, int pixelSize, bool bold,
                   qreal letterSpacing, const QColor &colour)
{
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void drawTitle(QPainter &p, const QRectF &r)
{
    drawTitleLine(p, QRectF(r.left() + 40, r.top() + 24, 500, 90), QStringLiteral("Vexlor"), 72,
                  true, 4, QColor(240, 245, 250));
    drawTitleLine(p, QRectF(r.left() + 44, r.top() + 110, 600, 30),
                  QStringLiteral("FOC motor controller \u2022 Parameters Adjustor"), 18, false, 1,
                  QColor(120, 210, 240));

    p.setPen(QPen(QColor(120, 210, 240), 2));
    p.drawLine(QPointF(r.left() + 44, r.top() + 146), QPointF(r.left() + 420, r.top() + 146));
}

} // namespace

QImage drawBannerPicture(QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio); // drawn in logical pixels, detailed in device pixels
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    drawBackground(p, r);
    drawTitle(p, r);
    drawBoard(p, QRectF(r.left() + 60, r.top() + 190, 300, 190));
    MotorIllustration::paintMotor(p, QRectF(r.right() - 310, r.top() + 118, 280, 280));

    QFont foot = p.font();
    foot.setPixelSize(13);
    foot.setBold(false);
    foot.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    p.setFont(foot);
    p.setPen(QColor(170, 190, 205));
    p.drawText(QRectF(r.left(), r.bottom() - 34, r.width() - 30, 24), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("SplashWindow", "Pedal-assist e-bike drive configuration"));
    p.end();
    return image;
}

} // namespace vexlor
