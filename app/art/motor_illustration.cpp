#include "motor_illustration.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vexlor {
namespace {

constexpr int kMagnetCount = 20; // ten pole pairs, the window's default
constexpr int kToothCount = 18;

// Radii of the drawing in thousandths of the motor's diameter. Working in
// large units keeps curves smooth when paths are combined.
constexpr double kUnits = 1000;
constexpr double kRotorOuter = 500;
constexpr double kRotorInner = 440;
constexpr double kMagnetInner = 400;
constexpr double kToothTip = 388;
constexpr double kShoeInner = 360;
constexpr double kStemWidth = 36;
constexpr double kCoilInner = 235;
constexpr double kCoilOuter = 350;
constexpr double kYoke = 225;
constexpr double kHub = 140;
constexpr double kBearingOuter = 110;
constexpr double kBearingInner = 62;
constexpr double kAxle = 45;

constexpr double kPi = 3.14159265358979323846;

QPointF polar(double radius, double degrees)
{
    const double a = degrees * kPi / 180.0;
    return {radius * std::cos(a), radius * std::sin(a)};
}

// An annular sector between two radii and two angles (degrees, clockwise on screen).
QPainterPath sector(double inner, double outer, double from, double span)
{
    QPainterPath path;
    path.arcMoveTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), -from);
    path.arcTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), -from, -span);
    path.arcTo(QRectF(-inner, -inner, 2 * inner, 2 * inner), -(from + span), span);
    path.closeSubpath();
    return path;
}

QPainterPath circle(double radius)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), radius, radius);
    return path;
}

void drawRotor(QPainter &p)
{
    QRadialGradient steel(QPointF(0, 0), kRotorOuter);
    steel.setColorAt(0.85, QColor(150, 155, 162));
    steel.setColorAt(1.0, QColor(95, 100, 108));
    p.setPen(QPen(QColor(60, 60, 66), 4));
    p.setBrush(steel);
    p.drawPath(circle(kRotorOuter).subtracted(circle(kRotorInner)));

    const double pitch = 360.0 / kMagnetCount;
    for (int i = 0; i < kMagnetCount; ++i) {
        const bool north = i % 2 == 0;
        const double from = i * pitch - 90 + pitch * 0.06;
        p.setBrush(north ? QColor(205, 45, 45) : QColor(45, 85, 195));
        p.setPen(QPen(QColor(40, 40, 40), 3));
        p.drawPath(sector(kMagnetInner, kRotorInner, from, pitch * 0.88));
    }
    // Pole letters, drawn upright at each magnet's middle.
    p.setPen(Qt::white);
    for (int i = 0; i < kMagnetCount; ++i) {
        const double mid = i * pitch - 90 + pitch / 2;
        const QPointF at = polar((kMagnetInner + kRotorInner) / 2, mid);
        p.save();
        p.translate(at);
        p.scale(2.2, 2.2);
        QFont letter = p.font();
        letter.setBold(true);
        letter.setPixelSize(11);
        p.setFont(letter);
        p.drawText(QRectF(-10, -8, 20, 16), Qt::AlignCenter,
                   i % 2 == 0 ? QStringLiteral("N") : QStringLiteral("S"));
        p.restore();
    }
}

void drawStator(QPainter &p)
{
    const QColor lamination(178, 182, 188);
    const QColor laminationEdge(90, 94, 100);
    const double pitch = 360.0 / kToothCount;

    QPainterPath stator = circle(kYoke);
    for (int i = 0; i < kToothCount; ++i) {
        const double mid = i * pitch - 90;
        // Stem: a thin bar from the yoke out to the shoe.
        QPainterPath stem;
        stem.addRect(QRectF(kYoke - 10, -kStemWidth / 2, kShoeInner - kYoke + 20, kStemWidth));
        QTransform turn;
        turn.rotate(mid);
        stator = stator.united(turn.map(stem));
        // Shoe: the wide tip that faces the magnets across the air gap.
        stator = stator.united(sector(kShoeInner, kToothTip, mid - pitch * 0.40, pitch * 0.80));
    }
    p.setPen(QPen(laminationEdge, 3));
    p.setBrush(lamination);
    p.drawPath(stator.simplified());

    // Coils wound on every stem, copper with a highlight.
    for (int i = 0; i < kToothCount; ++i) {
        p.save();
        p.rotate(i * pitch - 90);
        const QRectF coil(kCoilInner, -kStemWidth * 1.25, kCoilOuter - kCoilInner, kStemWidth * 2.5);
        QLinearGradient copper(coil.topLeft(), coil.bottomLeft());
        copper.setColorAt(0.0, QColor(150, 80, 25));
        copper.setColorAt(0.5, QColor(230, 150, 70));
        copper.setColorAt(1.0, QColor(140, 72, 20));
        p.setBrush(copper);
        p.setPen(QPen(QColor(105, 55, 15), 3));
        p.drawRoundedRect(coil, 8, 8);
        // Winding lines across the coil.
        p.setPen(QPen(QColor(120, 60, 18, 160), 2));
        for (double x = coil.left() + 12; x < coil.right() - 4; x += 12)
            p.drawLine(QPointF(x, coil.top() + 3), QPointF(x, coil.bottom() - 3));
        p.restore();
    }
}

void drawBearing(QPainter &p)
{
    p.setPen(QPen(QColor(70, 70, 76), 3));
    p.setBrush(QColor(120, 124, 130)); // the stator's hub
    p.drawPath(circle(kHub).subtracted(circle(kBearingOuter)));

    QRadialGradient race(QPointF(0, 0), kBearingOuter);
    race.setColorAt(0.6, QColor(215, 218, 224));
    race.setColorAt(1.0, QColor(150, 154, 160));
    p.setBrush(race);
    p.drawPath(circle(kBearingOuter).subtracted(circle(kBearingInner)));

    const double ballRadius = (kBearingOuter - kBearingInner) * 0.32;
    const double ballTrack = (kBearingOuter + kBearingInner) / 2;
    p.setBrush(QColor(60, 62, 68));
    p.drawPath(circle(ballTrack + ballRadius * 0.8).subtracted(circle(ballTrack - ballRadius * 0.8)));
    for (int i = 0; i < 10; ++i) {
        QRadialGradient shine(polar(ballTrack, i * 36.0) + QPointF(-ballRadius / 3, -ballRadius / 3),
                              ballRadius * 1.2);
        shine.setColorAt(0.0, Qt::white);
        shine.setColorAt(1.0, QColor(120, 124, 132));
        p.setBrush(shine);
        p.drawEllipse(polar(ballTrack, i * 36.0), ballRadius, ballRadius);
    }

    // The fixed axle with its flat, which keeps it from turning in the dropout.
    QPainterPath axle = circle(kAxle);
    QPainterPath flats;
    flats.addRect(QRectF(-kAxle, -kAxle, 2 * kAxle, kAxle * 0.25));
    flats.addRect(QRectF(-kAxle, kAxle * 0.75, 2 * kAxle, kAxle * 0.25));
    p.setBrush(QColor(85, 88, 95));
    p.drawPath(axle.subtracted(flats));
}

struct Caption {
    const char *text; // context "MotorIllustration"
    double radius;
    double degrees;
};

constexpr Caption kCaptions[] = {
    {QT_TRANSLATE_NOOP("MotorIllustration", "Rotor"), (kRotorOuter + kRotorInner) / 2, -40},
    //: the rotor's magnets with their north and south poles
    {QT_TRANSLATE_NOOP("MotorIllustration", "Magnets N / S"), (kMagnetInner + kRotorInner) / 2, -17},
    {QT_TRANSLATE_NOOP("MotorIllustration", "Stator teeth"), (kShoeInner + kToothTip) / 2, 10},
    {QT_TRANSLATE_NOOP("MotorIllustration", "Coils"), (kCoilInner + kCoilOuter) / 2, 30},
    {QT_TRANSLATE_NOOP("MotorIllustration", "Bearing"), (kBearingOuter + kBearingInner) / 2, 50},
    {QT_TRANSLATE_NOOP("MotorIllustration", "Axle"), kAxle * 0.5, 75},
};

constexpr double kLeaderRoom = 14; // the leader lines' bend before the captions

QString captionText(const Caption &c)
{
    return QCoreApplication::translate("MotorIllustration", c.text);
}

QFont captionFont(const QFont &base)
{
    QFont font = base;
    font.setPixelSize(12);
    return font;
}

// The captions' column: 96 pixels, or as wide as the widest caption in the
// language in use, so that no caption is cut.
double captionColumn(const QFont &font)
{
    const QFontMetricsF metrics(font);
    double widest = 96;
    for (const Caption &c : kCaptions)
        widest = std::max(widest, std::ceil(metrics.horizontalAdvance(captionText(c))) + 1);
    return widest;
}

// The captions and their leaders in `ink`, the text colour of the ground
// they stand on, so they read on a light window and a dark one alike.
void drawCaptions(QPainter &p, const QRectF &area, const QPointF &centre, double scale, const QColor &ink)
{
    p.setFont(captionFont(p.font()));
    const double column = captionColumn(p.font());
    const double textLeft = area.right() - column;
    const double rowHeight = area.height() / (std::size(kCaptions) + 1);
    for (size_t i = 0; i < std::size(kCaptions); ++i) {
        const Caption &c = kCaptions[i];
        const QPointF target = centre + polar(c.radius, c.degrees) * scale;
        const QPointF label(textLeft, area.top() + rowHeight * (i + 1));
        p.setPen(QPen(ink, 1));
        p.drawLine(target, QPointF(textLeft - 12, label.y()));
        p.drawLine(QPointF(textLeft - 12, label.y()), QPointF(textLeft - 3, label.y()));
        p.setBrush(ink);
        p.drawEllipse(target, 2, 2);
        p.drawText(QRectF(textLeft, label.y() - 9, column, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   captionText(c));
    }
}

} // namespace

MotorIllustration::MotorIllustration(QWidget *parent) : QWidget(parent)
{
}

void MotorIllustration::paintMotor(QPainter &painter, const QRectF &area, const QColor &captionInk)
{
    const bool withCaptions = captionInk.isValid();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double captionRoom = withCaptions ? captionColumn(captionFont(painter.font())) + kLeaderRoom : 0;
    const double diameter = std::min(area.width() - captionRoom, area.height()) - 4;
    const QPointF centre(area.left() + (area.width() - captionRoom) / 2, area.center().y());

    painter.save();
    painter.translate(centre);
    painter.scale(diameter / kUnits, diameter / kUnits);
    drawRotor(painter);
    drawStator(painter);
    drawBearing(painter);
    painter.restore();

    if (withCaptions)
        drawCaptions(painter, area, centre, diameter / kUnits, captionInk);
    painter.restore();
}

void MotorIllustration::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintMotor(painter, QRectF(rect()), palette().color(QPalette::WindowText));
}

} // namespace vexlor
