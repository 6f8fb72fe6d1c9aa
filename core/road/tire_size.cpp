#include "tire_size.h"

#include <QRegularExpression>

#include <array>
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

QString etrtoText(int width, int beadSeat)
{
    return QStringLiteral("%1-%2").arg(width).arg(beadSeat);
}

} // namespace

std::span<const CommonTire> commonTires()
{
    return kCommonTires;
}

double etrtoPerimeter(int width, int beadSeat)
{
    return std::numbers::pi * (beadSeat + 2.0 * width);
}

TireSize commonTireSize(const CommonTire &tire)
{
    const QString name = QString::fromLatin1(tire.name).replace(u'x', u'×');
    return {QStringLiteral("%1 (%2)").arg(name, etrtoText(tire.width, tire.beadSeat)),
            double(tire.rollingCircumference)};
}

std::optional<TireSize> parseTireSize(const QString &text)
{
    static const QRegularExpression etrto(QStringLiteral("^\\s*(\\d{2,3})\\s*-\\s*(\\d{3})\\s*$"));
    if (const QRegularExpressionMatch m = etrto.match(text); m.hasMatch()) {
        const int width = m.captured(1).toInt();
        const int beadSeat = m.captured(2).toInt();
        if (width < 10 || width > 150 || beadSeat < 100)
            return std::nullopt;
        return TireSize{etrtoText(width, beadSeat), etrtoPerimeter(width, beadSeat)};
    }
    const QString typed = text.trimmed().replace(u'×', u'x');
    for (const CommonTire &tire : kCommonTires) {
        if (typed.compare(QLatin1String(tire.name), Qt::CaseInsensitive) == 0)
            return commonTireSize(tire);
    }
    return std::nullopt;
}

} // namespace vexlor
