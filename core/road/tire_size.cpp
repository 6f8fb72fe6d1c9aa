#include "tire_size.h"

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <numbers>

namespace vexlor {
namespace {

// Rolling circumferences as bike-computer makers list them; a shop that
// measured its own tire gives its ETRTO size instead, or sets the perimeter.
constexpr std::array kCommonTires = {
    CommonTire{"16x1.75", 47, 305, 1272},   CommonTire{"20x1.75", 47, 406, 1515},
    CommonTire{"24x1.75", 47, 507, 1890},   CommonTire{"26x1.95", 50, 559, 2050},
    CommonTire{"26x2.1", 54, 559, 2068},    CommonTire{"26x2.35", 60, 559, 2083},
    CommonTire{"27.5x2.1", 54, 584, 2148},  CommonTire{"27.5x2.25", 57, 584, 2182},
    CommonTire{"27.5x2.4", 61, 584, 2197},  CommonTire{"28x1.75", 47, 622, 2242},
    CommonTire{"29x2.1", 54, 622, 2288},    CommonTire{"29x2.3", 58, 622, 2326},
    CommonTire{"700x25C", 25, 622, 2105},   CommonTire{"700x28C", 28, 622, 2136},
    CommonTire{"700x32C", 32, 622, 2155},   CommonTire{"700x35C", 35, 622, 2168},
    CommonTire{"700x40C", 40, 622, 2200},
};

// The wheel sizes printed on tires in inches, with their bead seat diameter.
struct InchWheel {
    const char *name;
    int beadSeat;
};
constexpr std::array kInchWheels = {
    InchWheel{"16", 305}, InchWheel{"20", 406},   InchWheel{"24", 507},  InchWheel{"26", 559},
    InchWheel{"27.5", 584}, InchWheel{"650b", 584}, InchWheel{"28", 622}, InchWheel{"29", 622},
};

constexpr int kLeastWidth = 10;  // mm
constexpr int kLargestWidth = 150;

QString etrtoText(int width, int beadSeat)
{
    return QStringLiteral("%1-%2").arg(width).arg(beadSeat);
}

bool plausibleWidth(double width)
{
    return width >= kLeastWidth && width <= kLargestWidth;
}

// A size as printed, width × bead seat, with its perimeter by the formula.
std::optional<TireSize> printedSize(const QString &name, double width, int beadSeat)
{
    if (!plausibleWidth(width))
        return std::nullopt;
    return TireSize{QStringLiteral("%1 (%2)").arg(name, etrtoText(int(std::lround(width)), beadSeat)),
                    etrtoPerimeter(width, beadSeat)};
}

// "27.5x2.4", "26x2.125", "650bx2.4": the wheel and the width in inches.
std::optional<TireSize> inchSize(const QString &typed)
{
    static const QRegularExpression inch(QStringLiteral("^(\\d\\d(?:\\.5)?|650b)x(\\d(?:\\.\\d{1,3})?)$"));
    const QRegularExpressionMatch m = inch.match(typed);
    if (!m.hasMatch())
        return std::nullopt;
    for (const InchWheel &wheel : kInchWheels) {
        if (m.captured(1) == QLatin1String(wheel.name))
            return printedSize(m.captured(1) + u'×' + m.captured(2),
                               m.captured(2).toDouble() * kMillimetresPerInch, wheel.beadSeat);
    }
    return std::nullopt;
}

// "700x38c", "650x47b": the French wheel and the width in millimetres.
std::optional<TireSize> frenchSize(const QString &typed)
{
    static const QRegularExpression french(QStringLiteral("^(700x(\\d{2,3})c|650x(\\d{2,3})b)$"));
    const QRegularExpressionMatch m = french.match(typed);
    if (!m.hasMatch())
        return std::nullopt;
    const bool road = typed.startsWith(u'7');
    const QString width = m.captured(road ? 2 : 3);
    const QString name = road ? QStringLiteral("700×%1C") : QStringLiteral("650×%1B");
    return printedSize(name.arg(width), width.toInt(), road ? 622 : 584);
}

} // namespace

std::span<const CommonTire> commonTires()
{
    return kCommonTires;
}

double wheelPerimeter(double diameter)
{
    return std::numbers::pi * diameter;
}

double etrtoPerimeter(double width, int beadSeat)
{
    return wheelPerimeter(beadSeat + 2.0 * width);
}

TireSize commonTireSize(const CommonTire &tire)
{
    const QString name = QString::fromLatin1(tire.name).replace(u'x', u'×');
    return {QStringLiteral("%1 (%2)").arg(name, etrtoText(tire.width, tire.beadSeat)),
            double(tire.rollingCircumference)};
}

std::optional<TireSize> parseTireSize(const QString &text, NumberFormat format)
{
    static const QRegularExpression etrto(QStringLiteral("^\\s*(\\d{2,3})\\s*-\\s*(\\d{3})\\s*$"));
    if (const QRegularExpressionMatch m = etrto.match(text); m.hasMatch()) {
        const int width = m.captured(1).toInt();
        const int beadSeat = m.captured(2).toInt();
        if (!plausibleWidth(width) || beadSeat < 100)
            return std::nullopt;
        return TireSize{etrtoText(width, beadSeat), etrtoPerimeter(width, beadSeat)};
    }
    // As printed on the tire: blanks, "×" and case do not matter, and where
    // the language writes a decimal comma, "27,5x2,4" is "27.5x2.4".
    static const QRegularExpression blanks(QStringLiteral("\\s"));
    QString typed = text.toLower().remove(blanks).replace(u'×', u'x');
    if (format.decimalComma)
        typed.replace(u',', u'.');
    for (const CommonTire &tire : kCommonTires) {
        if (typed == QString::fromLatin1(tire.name).toLower())
            return commonTireSize(tire);
    }
    if (auto size = inchSize(typed))
        return size;
    return frenchSize(typed);
}

} // namespace vexlor
